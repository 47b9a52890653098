#pragma once

#include <QFileDialog>

// A file dialog made once for a command and shown again each time: Qt keeps
// some memory for every file dialog made and destroyed (about 17 KB), which a
// new dialog for each command would add up.
class TReusedFileDialog : public QFileDialog {
    Q_OBJECT

public:
    TReusedFileDialog(QWidget* parent, const QString& caption);

    // Shows the dialog modally with `fileName` offered (when not empty).
    int execWith(const QString& fileName);
};
