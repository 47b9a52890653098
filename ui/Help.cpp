#include "ui/Help.h"

#include "ui/CommandGuard.h"
#include "ui/HelpText.h"
#include "ui/language/Language.h"
#include "ui/widgets/Controls.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

TForm4* Form4 = nullptr;

TForm4::TForm4()
{
    EnsureLanguageApplied();
    setWindowTitle("Help!!!");
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(DesignFont("MS Sans Serif", 10));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_QuitOnClose, false);
    // A tool window of fixed size, as About is: its text box and button do
    // not follow a resize.
    setGeometry(201, 126, 393, 284);
    setFixedSize(393, 284);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setGeometry(4, 7, 384, 241);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    const QFont buttonFont = DesignFont("MS Sans Serif", 11, true);
    Button1 = MakeButton(this, "Button1", { 93, 254, 183, 20 }, {}, &buttonFont);
    retranslate();
    connect(Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &TForm4::Button1Click);
}

void TForm4::LoadHelpFile()
{
    Memo1->setPlainText(BreakLongLines(ReadInstalledHelpText()));
    loaded_ = true;
}

void TForm4::retranslate()
{
    Button1->setText(tr("Назад"));
}

void TForm4::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        // The help of the new language where there is one; a help that cannot
        // be read now stays as it was, to be reported when asked for again.
        if (loaded_) {
            try {
                LoadHelpFile();
            } catch (const std::exception&) {
            }
        }
    }
    QWidget::changeEvent(event);
}

void TForm4::Button1Click()
{
    RunCommand([this] { hide(); });
}
