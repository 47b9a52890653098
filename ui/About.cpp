#include "ui/About.h"

#include "ui/CommandGuard.h"
#include "ui/Main.h"
#include "ui/language/Language.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/LabelText.h"
#include "ui/widgets/LinkLabel.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QUrl>

TForm3* Form3 = nullptr;

const char* const TForm3::WebAddress = "http://veldoran.example.org/";
const char* const TForm3::SupportAddress = "help@example.org";

namespace {

// The window's labels keep their text centred in their height.
QLabel* AboutLabel(QWidget* parent, const QString& name, const QRect& geometry, const QString& text, const QFont& font)
{
    return MakeLabel(parent, name, geometry, text, &font, Qt::AlignLeft | Qt::AlignVCenter);
}

} // namespace

TForm3::TForm3()
{
    EnsureLanguageApplied();
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(DesignFont("MS Sans Serif", 10));
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(212, 208, 200)); // inactive caption text
    setPalette(background);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_QuitOnClose, false);
    setGeometry(364, 132, 301, 216);
    setFixedSize(301, 216);

    Label8 = AboutLabel(this, "Label8", { 56, 8, 209, 16 }, {}, DesignFont("MS Sans Serif", 13));
    Label8->setStyleSheet("color: red;");
    Label1 = AboutLabel(this, "Label1", { 29, 26, 256, 17 }, {}, DesignFont("Arial", 15));
    Label2 = AboutLabel(this, "Label2", { 56, 46, 212, 15 }, {}, DesignFont("Arial", 12));
    Label3 = AboutLabel(this, "Label3", { 26, 78, 247, 15 }, {}, DesignFont("Arial", 12));
    Label4 = AboutLabel(this, "Label4", { 26, 91, 109, 15 }, {}, DesignFont("Arial", 12));
    Label7 = new TLinkLabel("Label7", { 78, 117, 155, 18 }, QUrl(WebAddress).host(), this);
    Label5 = AboutLabel(this, "Label5", { 16, 143, 275, 13 }, {}, DesignFont("MS Sans Serif", 10));
    Label6 = new TLinkLabel("Label6", { 85, 163, 133, 18 }, SupportAddress, this);

    const QFont buttonFont = DesignFont("MS Sans Serif", 11);
    Button1 = MakeButton(this, "Button1", { 104, 189, 111, 20 }, {}, &buttonFont);
    retranslate();

    connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &TForm3::Button1Click);
    connect(Label6, &TLinkLabel::clicked, this, &TForm3::Label6Click);
    connect(Label7, &TLinkLabel::clicked, this, &TForm3::Label7Click);
}

void TForm3::retranslate()
{
    setWindowTitle(tr("О программе"));
    SetLabelText(Label8, tr("Автор: студия «Вельдоран»"));
    SetLabelText(Label1, tr("Программа-анализатор числовых пар"));
    SetLabelText(Label2, tr("Редакция программы от 11.02.2003г."));
    SetLabelText(Label3, tr("Свежую версию этой программы Вы всегда"));
    SetLabelText(Label4, tr("сможете найти на: "));
    SetLabelText(Label5, tr("Присылайте Ваши пожелания и замечания по адресу:"));
    Button1->setText(tr("Назад "));
}

void TForm3::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void TForm3::Button1Click()
{
    RunCommand([this] {
        if (Form1)
            Form1->setEnabled(true);
        hide();
    });
}

void TForm3::FormClose()
{
    RunCommand([] {
        if (Form1)
            Form1->setEnabled(true);
    });
}

void TForm3::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
}

// Whether the desktop could open the link is not examined.
void TForm3::Label7Click()
{
    RunCommand([] { QDesktopServices::openUrl(QUrl(WebAddress)); });
}

void TForm3::Label6Click()
{
    RunCommand([] {
        QDesktopServices::openUrl(QUrl(
            QString("mailto:%1?subject=%2").arg(QString::fromLatin1(SupportAddress), tr("О программе KELDA 2.0"))));
    });
}
