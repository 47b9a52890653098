#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QMenu;

// "Недавние файлы": the last files opened or imported, newest first, kept in
// the program's settings and listed in a menu whose items open them again.
class TRecentFiles : public QObject {
    Q_OBJECT

public:
    static constexpr int Kept = 5;

    TRecentFiles(QMenu* menu, std::function<void(const QString&)> open);

    // Puts the file first, once; the oldest beyond Kept goes.
    void add(const QString& fileName);
    QStringList files() const;

private:
    void rebuild();

    QMenu* menu_;
    std::function<void(const QString&)> open_;
};
