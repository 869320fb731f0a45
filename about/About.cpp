#include "about/About.h"

#include "controls/ZelGradPanel.h"
#include "controls/ZelLinkLabel.h"
#include "platform/paint/ColorValue.h"
#include "platform/paint/PixelFont.h"
#include "platform/widgets/Button.h"
#include "platform/window/ErrorReport.h"
#include "platform/window/Form.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

#include <utility>

TfrmAbout* frmAbout = nullptr;

namespace {

const QString DialogFontFace = QStringLiteral("System");
const QString LabelFontFace = QStringLiteral("MS Sans Serif");
const QString TitleFontFace = QStringLiteral("Times New Roman");
constexpr int DialogFontPixels = 13;
constexpr int LabelFontPixels = 13;
constexpr int SmallFontPixels = 11;
constexpr int TitleFontPixels = 35;

constexpr TColor GradientEnd = RgbColor(232, 232, 255);
const QString LogoPath = QStringLiteral(":/logo/logo.png");
const QString LogoPath2x = QStringLiteral(":/logo/logo@2x.png");
const QString WebsiteUrl = QStringLiteral("http://www.zelmoor.example/");
const QString CopyrightNotice = QStringLiteral(u"Copyright \u00A9 2009 Zelmoor Software");

constexpr QPoint LogoPos(10, 10);
constexpr QPoint ProgNamePos(125, 10);
constexpr QPoint DescPos(125, 55);
constexpr QPoint VersionPos(125, 70);
constexpr QPoint WebsitePos(125, 95);
constexpr QRect CopyrightRect(161, 125, 193, 13); // its right edge, x = 354, stays put
constexpr QRect BevelLineRect(10, 150, 344, 3);
constexpr QRect OkRect(137, 163, 90, 25);

void setTextColor(QWidget& widget, const QColor& color)
{
    QPalette colors = widget.palette();
    colors.setColor(QPalette::WindowText, color);
    widget.setPalette(colors);
}

// A transparent label: paints only its text, in plain text (an ampersand is just an ampersand).
QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const QFont& font, const QColor& color,
                 QPoint pos)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    setTextColor(*label, color);
    label->move(pos);
    FitLabelToText(*label);
    return label;
}

// The white ground of the picture, keyed out by the colour of its bottom-left pixel. Screens denser
// than 100 percent get the picture drawn at twice the size, which they show at the same size.
QPixmap transparentLogo(qreal devicePixelRatio)
{
    const bool dense = devicePixelRatio > 1.0;
    QPixmap logo(dense ? LogoPath2x : LogoPath);
    if (logo.isNull())
        return logo;
    const QColor key = logo.toImage().pixelColor(0, logo.height() - 1);
    logo.setMask(logo.createMaskFromColor(key, Qt::MaskInColor));
    logo.setDevicePixelRatio(dense ? 2.0 : 1.0);
    return logo;
}

// An etched separator: a shadow line over a highlight line along the bottom of its rectangle.
class BevelLine : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        RunGuarded([this] {
            QPainter canvas(this);
            canvas.fillRect(QRect(0, height() - 2, width(), 1), ResolveColor(clBtnShadow));
            canvas.fillRect(QRect(0, height() - 1, width(), 1), ResolveColor(clBtnHighlight));
        });
    }
};

} // namespace

QString VersionText(const FileVersion& version)
{
    return QStringLiteral("%1.%2.%3").arg(version.major).arg(version.minor).arg(version.release);
}

void FitLabelToText(QLabel& label)
{
    const int right = label.x() + label.width();
    label.resize(label.sizeHint());
    if (label.alignment() & Qt::AlignRight)
        label.move(right - label.width(), label.y());
}

TfrmAbout::TfrmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(ClientWidth, ClientHeight);
    setFont(PixelFont(DialogFontFace, DialogFontPixels));
    setTextColor(*this, ResolveColor(clWindowText));

    pnlBase = new TZelGradPanel(this);
    pnlBase->setObjectName(QStringLiteral("pnlBase"));
    pnlBase->setBeginColor(clWhite);
    pnlBase->setEndColor(GradientEnd);
    pnlBase->setBevelOuter(bvNone);
    auto* fill = new QVBoxLayout(this);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(pnlBase);

    imgLogo = new QLabel(pnlBase);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setScaledContents(true);
    imgLogo->setAccessibleName(QStringLiteral("Quorlin logo"));
    loadLogo();

    const QColor black = ResolveColor(clBlack);
    lblProgName = addLabel(pnlBase, "lblProgName", QStringLiteral("Quorlin"), PixelFont(TitleFontFace, TitleFontPixels),
                           black, ProgNamePos);
    lblDesc = addLabel(pnlBase, "lblDesc", QStringLiteral("Finite Mathematics Matrix Calculator"),
                       PixelFont(LabelFontFace, LabelFontPixels), black, DescPos);
    lblVersion = addLabel(pnlBase, "lblVersion", QStringLiteral("Version"), PixelFont(LabelFontFace, LabelFontPixels),
                          black, VersionPos);
    lblCopyright = new QLabel(pnlBase);
    lblCopyright->setObjectName(QStringLiteral("lblCopyright"));
    lblCopyright->setTextFormat(Qt::PlainText);
    lblCopyright->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblCopyright->setFont(PixelFont(LabelFontFace, SmallFontPixels));
    setTextColor(*lblCopyright, ResolveColor(clGray));
    lblCopyright->setGeometry(CopyrightRect);
    lblCopyright->setText(CopyrightNotice);
    FitLabelToText(*lblCopyright);

    bvlLine = new BevelLine(pnlBase);
    bvlLine->setObjectName(QStringLiteral("bvlLine"));
    bvlLine->setGeometry(BevelLineRect);

    lblWebsite = new TZelLinkLabel(pnlBase);
    lblWebsite->setObjectName(QStringLiteral("lblWebsite"));
    lblWebsite->setText(QStringLiteral("Zelmoor Software"));
    TFont normal = lblWebsite->Font();
    normal.font.setFamily(LabelFontFace);
    normal.font.setPixelSize(LabelFontPixels);
    normal.color = clBlue;
    lblWebsite->setFont(normal);
    TFont active = lblWebsite->FontActive();
    active.font.setFamily(LabelFontFace);
    active.font.setPixelSize(LabelFontPixels);
    active.color = clRed;
    lblWebsite->setFontActive(active);
    lblWebsite->setURL(WebsiteUrl);
    lblWebsite->move(WebsitePos);
    lblWebsite->adjustSize();

    btnOk = new Button(QStringLiteral("&Ok"), pnlBase);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setFont(PixelFont(LabelFontFace, SmallFontPixels));
    btnOk->setLook(Button::Look::Native);
    btnOk->setHoverColor(ResolveColor(clBtnHighlight));
    btnOk->setGeometry(OkRect);
    btnOk->setDefault(true);
    btnOk->setFocusPolicy(Qt::StrongFocus);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);

    // The link is reached by Tab after Ok and opened with Enter or Space, the keyboard's way to the site.
    lblWebsite->setFocusPolicy(Qt::TabFocus);
    QWidget::setTabOrder(btnOk, lblWebsite);
    btnOk->setFocus(Qt::OtherFocusReason);

    FormCreate(this);
}

TfrmAbout::~TfrmAbout() = default;

void TfrmAbout::FormCreate(QObject*)
{
    lblVersion->setText(QStringLiteral("Version ") + GetVersionText());
    FitLabelToText(*lblVersion);
    // A screen reader reads out a dialog's labels of three words or more by themselves; the name and
    // the version are shorter, so the dialog's description carries them.
    setAccessibleDescription(lblProgName->text() + QStringLiteral(", ") + lblVersion->text());
}

QString TfrmAbout::GetVersionText()
{
    return VersionText(ProgramFileVersion);
}

int TfrmAbout::ShowModal(QWidget* over)
{
    if (!std::exchange(m_placed, true))
        placeFirstTime(over);
    // Where a program cannot place its windows (Wayland), the compositor centres a dialog over the
    // window it belongs to, if it is told which one that is.
    create();
    if (over != nullptr && over->window()->windowHandle() != nullptr)
        windowHandle()->setTransientParent(over->window()->windowHandle());
    return exec();
}

void TfrmAbout::placeFirstTime(const QWidget* over)
{
    const QScreen* screen = over ? over->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = over ? over->frameGeometry() : screen->geometry();
    // The frame is known only once the native window exists; a window manager that frames it later
    // still reports the client size, the best guess there is.
    create();
    const QSize outer = frameGeometry().size().expandedTo(size());
    move(CentredPosition(outer, area, screen->virtualGeometry().topLeft()));
}

void TfrmAbout::loadLogo()
{
    imgLogo->setPixmap(transparentLogo(devicePixelRatioF()));
    imgLogo->setGeometry(QRect(LogoPos, imgLogo->pixmap().deviceIndependentSize().toSize()));
}

void TfrmAbout::showEvent(QShowEvent* event)
{
    // Every showing starts at Ok, wherever the focus was left the last time: Enter then closes the box.
    btnOk->setFocus(Qt::OtherFocusReason);
    QDialog::showEvent(event);
}

bool TfrmAbout::event(QEvent* event)
{
    // Moved to a screen of another density: the logo follows, the rest repaints by itself.
    if (event->type() == QEvent::ScreenChangeInternal)
        RunGuarded([this] { loadLogo(); });
    return QDialog::event(event);
}

void TfrmAbout::keyPressEvent(QKeyEvent* event)
{
    // Esc acts on the Ok button, as Enter does: both close with the Ok result.
    if (event->key() == Qt::Key_Escape && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        btnOk->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
