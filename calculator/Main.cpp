#include "calculator/Main.h"

#include "arithmetic/ExportText.h"
#include "arithmetic/NumberText.h"
#include "arithmetic/Product.h"
#include "calculator/GridMenu.h"
#include "calculator/SpokenSize.h"
#include "platform/desktop/Clipboard.h"
#include "platform/layout/LayoutGroup.h"
#include "platform/layout/LayoutItem.h"
#include "platform/layout/LayoutLook.h"
#include "platform/paint/ColorValue.h"
#include "platform/paint/Drawing.h"
#include "platform/paint/PixelFont.h"
#include "platform/widgets/Button.h"
#include "platform/widgets/SpinEdit.h"
#include "platform/widgets/ValueDisplay.h"
#include "platform/window/Announcer.h"
#include "platform/window/ErrorReport.h"
#include "platform/window/Form.h"
#include "platform/window/MessageBox.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QPainter>
#include <QStringEncoder>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <limits>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

TFM_Main* FM_Main = nullptr;

namespace {

constexpr TColor WindowColor = RgbColor(232, 232, 255);
const QString FontFace = QStringLiteral("MS Sans Serif");
constexpr int WindowFontPixels = 11;
constexpr int GridFontPixels = 11;
constexpr int DimensionGroupHeight = 50;
constexpr int ButtonWidth = 90;
constexpr int CountEditorWidth = 45;
constexpr int BottomSpaceWidth = 10;
constexpr int ButtonRowGap = 5;
constexpr int RootMargin = 6;
// Between a cell's edge and its text.
// An out-of-date result is greyed yet stays readable, with a margin for the blending of glyph edges.
constexpr double GreyedResultContrast = 4.8;
// A cut cell's tooltip shows its text in lines of this many characters, and no more lines than a screen holds.
constexpr qsizetype ToolTipLineLength = 80;
constexpr qsizetype ToolTipLines = 40;

const QString ValidationMessage = QStringLiteral("All Matrix A and Matrix B values must be Numeric!");

// Dimension values are 64-bit while typed; everything downstream takes 32 bits.
int ToInt32(qint64 value)
{
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        throw std::range_error("Range check error");
    return static_cast<int>(value);
}

std::string cellText(const StringGrid* grid, int col, int row)
{
    return grid->cell(col, row).toStdString();
}

QLineEdit* countDisplay(const QString& name, bool readOnly, QWidget* parent)
{
    // Parented only once it is whole: the first change already asks how it is described.
    auto* display = new ValueDisplay;
    display->setParent(parent);
    display->setText(name);
    display->setObjectName(name);
    display->setFixedWidth(CountEditorWidth);
    display->setReadOnly(readOnly);
    display->setEnabled(false);
    return display;
}

// The whole of a long text in lines a screen can hold; a text beyond even that ends in "…".
QString wrappedWhole(const QString& text)
{
    QString out;
    qsizetype at = 0;
    for (qsizetype lines = 0; at < text.size() && lines < ToolTipLines; ++lines) {
        qsizetype length = std::min(ToolTipLineLength, text.size() - at);
        if (at + length < text.size() && text.at(at + length - 1).isHighSurrogate())
            --length;
        if (lines > 0)
            out += u'\n';
        out += QStringView(text).mid(at, length);
        at += length;
    }
    if (at < text.size())
        out += QChar(0x2026);
    return out;
}

} // namespace

TFM_Main::TFM_Main(QWidget* parent)
    : Form(parent)
{
    setObjectName(QStringLiteral("FM_Main"));
    setWindowTitle(QStringLiteral("Quorlin"));
    setFont(PixelFont(FontFace, WindowFontPixels));
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, ResolveColor(WindowColor));
    setPalette(windowPalette);
    setAutoFillBackground(true);
    setMinimumSize(ClientWidth, ClientHeight);
    resize(ClientWidth, ClientHeight);

    createLooks();
    createComponents();
    createLayout();
    connectHandlers();
    setTabOrder();
}

TFM_Main::~TFM_Main() = default;

void TFM_Main::createLooks()
{
    dxLayoutLookAndFeelList = new QObject(this);
    dxLayoutLookAndFeelList->setObjectName(QStringLiteral("dxLayoutLookAndFeelList"));
    dxLayoutBaseLook = new LayoutLook(LayoutLook::Style::Web, dxLayoutLookAndFeelList);
    dxLayoutBaseLook->setObjectName(QStringLiteral("dxLayoutBaseLook"));
    dxLayoutBaseLook->setGroupBackground(WindowColor);
    dxLayoutMatrixGroups = new LayoutLook(LayoutLook::Style::Web, dxLayoutLookAndFeelList);
    dxLayoutMatrixGroups->setObjectName(QStringLiteral("dxLayoutMatrixGroups"));
    dxLayoutMatrixGroups->setCaptionBarColor(clMoneyGreen);
    dxLayoutRowColLook = new LayoutLook(LayoutLook::Style::Editor, dxLayoutLookAndFeelList);
    dxLayoutRowColLook->setObjectName(QStringLiteral("dxLayoutRowColLook"));
}

void TFM_Main::createComponents()
{
    const auto spinEditor = [this](const QString& name) {
        auto* editor = new SpinEdit(this);
        editor->setObjectName(name);
        editor->setMinValue(1);
        editor->setMaxValue(1);
        editor->setValue(1);
        return editor;
    };
    edtARow = spinEditor(QStringLiteral("edtARow"));
    edtACol = spinEditor(QStringLiteral("edtACol"));
    edtBCol = spinEditor(QStringLiteral("edtBCol"));
    edtBRow = countDisplay(QStringLiteral("edtBRow"), false, this);
    edtRRows = countDisplay(QStringLiteral("edtRRows"), true, this);
    edtRCols = countDisplay(QStringLiteral("edtRCols"), true, this);

    const auto grid = [this](const QString& name, bool editable) {
        auto* g = new StringGrid(this);
        g->setObjectName(name);
        g->setEditable(editable);
        g->setFont(PixelFont(FontFace, GridFontPixels));
        g->setFocusPolicy(Qt::StrongFocus);
        return g;
    };
    grdMatrixA = grid(QStringLiteral("grdMatrixA"), true);
    grdMatrixB = grid(QStringLiteral("grdMatrixB"), true);
    grdMatrixR = grid(QStringLiteral("grdMatrixR"), false);

    const auto button = [this](const QString& name, const QString& caption) {
        auto* b = new Button(caption, this);
        b->setObjectName(name);
        b->setFixedWidth(ButtonWidth);
        return b;
    };
    btnCalculate = button(QStringLiteral("btnCalculate"), QStringLiteral("Calculate"));
    btnCalculate->setToolTip(QStringLiteral("Perform matrix multiplication"));
    btnCopy = button(QStringLiteral("btnCopy"), QStringLiteral("Copy"));
    btnCopy->setToolTip(QStringLiteral("Copy result matrix to clipboard as CSV"));
    btnCopy->setEnabled(false);
    btnAbout = button(QStringLiteral("btnAbout"), QStringLiteral("About"));
    btnExit = button(QStringLiteral("btnExit"), QStringLiteral("Exit"));

    // What a screen reader calls each control: the group's caption with the item's, as a sighted user
    // reads them off the window.
    const auto describe = [](QWidget* control, const QString& name) { control->setAccessibleName(name); };
    describe(edtARow, QStringLiteral("Matrix A rows"));
    describe(edtACol, QStringLiteral("Matrix A columns"));
    describe(edtBCol, QStringLiteral("Matrix B columns"));
    for (SpinEdit* editor : {edtARow, edtACol, edtBCol})
        describe(editor->lineEdit(), editor->accessibleName());
    describe(edtBRow, QStringLiteral("Matrix B rows"));
    describe(edtRRows, QStringLiteral("Result Matrix rows"));
    describe(edtRCols, QStringLiteral("Result Matrix columns"));
    describe(grdMatrixA, QStringLiteral("Matrix A"));
    describe(grdMatrixB, QStringLiteral("Matrix B"));
    describe(grdMatrixR, QStringLiteral("Result Matrix"));
}

void TFM_Main::createLayout()
{
    dxLayoutControl1 = new QWidget(this);
    dxLayoutControl1->setObjectName(QStringLiteral("dxLayoutControl1"));
    auto* client = new QVBoxLayout(this);
    client->setContentsMargins(0, 0, 0, 0);
    client->addWidget(dxLayoutControl1);
    auto* container = new QVBoxLayout(dxLayoutControl1);
    container->setContentsMargins(0, 0, 0, 0);

    const auto group = [](const QString& name, Qt::Orientation orientation, QWidget* parent) {
        auto* g = new LayoutGroup(orientation, parent);
        g->setObjectName(name);
        return g;
    };
    const auto item = [](const QString& name, QWidget* control, QWidget* parent) {
        auto* i = new LayoutItem(control, parent);
        i->setObjectName(name);
        return i;
    };

    dxLayoutControl1Group_Root = group(QStringLiteral("dxLayoutControl1Group_Root"), Qt::Vertical, dxLayoutControl1);
    dxLayoutControl1Group_Root->setLook(dxLayoutBaseLook);
    dxLayoutControl1Group_Root->layout()->setContentsMargins(RootMargin, RootMargin, RootMargin, RootMargin);
    container->addWidget(dxLayoutControl1Group_Root);

    lcgMatrices = group(QStringLiteral("lcgMatrices"), Qt::Horizontal, dxLayoutControl1Group_Root);
    lcgMatrices->setCaption(QStringLiteral("Matrices"));
    lcgMatrices->setEqualChildWidths();
    dxLayoutControl1Group_Root->addChild(lcgMatrices, {}, 1);

    const auto matrixGroup = [&](const QString& name, const QString& caption) {
        LayoutGroup* g = group(name, Qt::Vertical, lcgMatrices);
        g->setCaption(caption);
        g->setShowBorder(true);
        g->setLook(dxLayoutMatrixGroups);
        lcgMatrices->addChild(g);
        return g;
    };
    const auto dimensionGroup = [&](const QString& name, LayoutGroup* parent) {
        LayoutGroup* g = group(name, Qt::Vertical, parent);
        g->setLook(dxLayoutRowColLook);
        g->setFixedHeight(DimensionGroupHeight);
        parent->addChild(g, Qt::AlignHCenter | Qt::AlignTop);
        return g;
    };
    const auto captioned = [&](const QString& name, const QString& caption, QWidget* control, LayoutGroup* parent) {
        LayoutItem* i = item(name, control, parent);
        i->setCaption(caption);
        parent->addChild(i, Qt::AlignLeft);
        return i;
    };
    const auto gridItem = [&](const QString& name, StringGrid* grid, LayoutGroup* parent) {
        LayoutItem* i = item(name, grid, parent);
        i->setControlBorder(true);
        parent->addChild(i, {}, 1);
        return i;
    };
    const auto buttonItem = [&](const QString& name, Button* control, LayoutGroup* parent) {
        LayoutItem* i = item(name, control, parent);
        parent->addChild(i, Qt::AlignRight);
        return i;
    };

    lcgMatrixA = matrixGroup(QStringLiteral("lcgMatrixA"), QStringLiteral("Matrix A"));
    dxLayoutControl1Group1 = dimensionGroup(QStringLiteral("dxLayoutControl1Group1"), lcgMatrixA);
    dxLayoutControl1Item7 =
        captioned(QStringLiteral("dxLayoutControl1Item7"), QStringLiteral("Rows"), edtARow, dxLayoutControl1Group1);
    dxLayoutControl1Item9 =
        captioned(QStringLiteral("dxLayoutControl1Item9"), QStringLiteral("Columns"), edtACol, dxLayoutControl1Group1);
    dxLayoutControl1Item3 = gridItem(QStringLiteral("dxLayoutControl1Item3"), grdMatrixA, lcgMatrixA);
    // Keeps A's grid level with the grids above the Calculate and Copy rows.
    dxLayoutControl1SpaceItem2 = new QWidget(lcgMatrixA);
    dxLayoutControl1SpaceItem2->setObjectName(QStringLiteral("dxLayoutControl1SpaceItem2"));
    dxLayoutControl1SpaceItem2->setFixedSize(BottomSpaceWidth, Button::Height);
    lcgMatrixA->addChild(dxLayoutControl1SpaceItem2, Qt::AlignLeft);

    lcgMatrixB = matrixGroup(QStringLiteral("lcgMatrixB"), QStringLiteral("Matrix B"));
    dxLayoutControl1Group2 = dimensionGroup(QStringLiteral("dxLayoutControl1Group2"), lcgMatrixB);
    dxLayoutControl1Item11 =
        captioned(QStringLiteral("dxLayoutControl1Item11"), QStringLiteral("Rows"), edtBRow, dxLayoutControl1Group2);
    dxLayoutControl1Item10 =
        captioned(QStringLiteral("dxLayoutControl1Item10"), QStringLiteral("Columns"), edtBCol, dxLayoutControl1Group2);
    dxLayoutControl1Item4 = gridItem(QStringLiteral("dxLayoutControl1Item4"), grdMatrixB, lcgMatrixB);
    dxLayoutControl1Item6 = buttonItem(QStringLiteral("dxLayoutControl1Item6"), btnCalculate, lcgMatrixB);

    lcgResultMatrix = matrixGroup(QStringLiteral("lcgResultMatrix"), QStringLiteral("Result Matrix"));
    dxLayoutControl1Group3 = dimensionGroup(QStringLiteral("dxLayoutControl1Group3"), lcgResultMatrix);
    dxLayoutControl1Item13 =
        captioned(QStringLiteral("dxLayoutControl1Item13"), QStringLiteral("Rows"), edtRRows, dxLayoutControl1Group3);
    dxLayoutControl1Item12 = captioned(QStringLiteral("dxLayoutControl1Item12"), QStringLiteral("Columns"), edtRCols,
                                       dxLayoutControl1Group3);
    dxLayoutControl1Item5 = gridItem(QStringLiteral("dxLayoutControl1Item5"), grdMatrixR, lcgResultMatrix);
    dxLayoutControl1Item8 = buttonItem(QStringLiteral("dxLayoutControl1Item8"), btnCopy, lcgResultMatrix);

    for (LayoutGroup* g : {dxLayoutControl1Group1, dxLayoutControl1Group2, dxLayoutControl1Group3})
        g->alignCaptions();

    dxLayoutControl1Group_Root->addSpacing(ButtonRowGap);
    lcgButtons = group(QStringLiteral("lcgButtons"), Qt::Horizontal, dxLayoutControl1Group_Root);
    lcgButtons->setCaption(QStringLiteral("Buttons"));
    dxLayoutControl1Group_Root->addChild(lcgButtons);
    lcgButtons->addStretch();
    dxLayoutControl1Item1 = buttonItem(QStringLiteral("dxLayoutControl1Item1"), btnAbout, lcgButtons);
    dxLayoutControl1Item2 = buttonItem(QStringLiteral("dxLayoutControl1Item2"), btnExit, lcgButtons);
}

void TFM_Main::connectHandlers()
{
    connect(this, &Form::aboutToShow, this, Guarded(this, &TFM_Main::FormShow));
    // A screen reader can press a button while a modal box is open; such a press does nothing.
    const auto pressed = [this](void (TFM_Main::*handler)()) {
        return [this, handler] {
            if (!ModalBoxOver(this))
                RunGuarded([this, handler] { (this->*handler)(); });
        };
    };
    connect(btnAbout, &QPushButton::clicked, this, pressed(&TFM_Main::btnAboutClick));
    connect(btnExit, &QPushButton::clicked, this, pressed(&TFM_Main::btnExitClick));
    connect(btnCalculate, &QPushButton::clicked, this, pressed(&TFM_Main::btnCalculateClick));
    connect(btnCopy, &QPushButton::clicked, this, pressed(&TFM_Main::btnCopyClick));
    connect(edtARow, &SpinEdit::propertiesChanged, this, Guarded(this, &TFM_Main::edtARowPropertiesChange));
    connect(edtACol, &SpinEdit::propertiesChanged, this, Guarded(this, &TFM_Main::edtAColPropertiesChange));
    connect(edtBCol, &SpinEdit::propertiesChanged, this, Guarded(this, &TFM_Main::edtBColPropertiesChange));
    for (StringGrid* grid : {grdMatrixA, grdMatrixB, grdMatrixR}) {
        grid->setCellPainter(std::bind_front(&TFM_Main::grdMatrixDrawCell, this));
        grid->setCellToolTip(std::bind_front(&TFM_Main::cellToolTip, this, grid));
    }
    // Typing, a paste and an undo all change the cells that R was computed from.
    for (StringGrid* grid : {grdMatrixA, grdMatrixB}) {
        connect(grid, &StringGrid::cellEdited, this, &TFM_Main::resultOutOfDate);
        connect(grid, &StringGrid::cellWritten, this, &TFM_Main::resultOutOfDate);
    }
    new GridMenu(grdMatrixA, edtARow, edtACol);
    new GridMenu(grdMatrixB, edtACol, edtBCol);
    (new GridMenu(grdMatrixR, nullptr, nullptr))->setResult(&m_computed);
}

void TFM_Main::setTabOrder()
{
    QWidget* const order[] = {edtARow,  edtACol,  grdMatrixA, edtBRow, edtBCol,  grdMatrixB, btnCalculate,
                              edtRRows, edtRCols, grdMatrixR, btnCopy, btnAbout, btnExit};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    edtARow->setFocus(Qt::OtherFocusReason);
    // The window opens as Tab would enter the editor: the first digit typed replaces the count.
    edtARow->lineEdit()->selectAll();
}

void TFM_Main::FormShow()
{
    edtARow->setMaxValue(MatrixCountLimit);
    edtACol->setMaxValue(MatrixCountLimit);
    edtBCol->setMaxValue(MatrixCountLimit);
    UpdateMatrixSizes();
}

void TFM_Main::setAboutBox(std::function<void(QWidget* over)> showModal)
{
    m_showAboutBox = std::move(showModal);
}

void TFM_Main::btnAboutClick()
{
    if (m_showAboutBox)
        m_showAboutBox(this);
}

void TFM_Main::btnExitClick()
{
    close();
}

void TFM_Main::edtARowPropertiesChange()
{
    UpdateMatrixSizes();
}

void TFM_Main::edtAColPropertiesChange()
{
    UpdateMatrixSizes();
}

void TFM_Main::edtBColPropertiesChange()
{
    UpdateMatrixSizes();
}

void TFM_Main::UpdateMatrixSizes()
{
    edtBRow->setText(QString::number(ToInt32(edtACol->value())));
    const int m = ToInt32(edtARow->value());
    const int p = ToInt32(edtBCol->value());
    edtRRows->setText(QString::number(m));
    edtRCols->setText(QString::number(p));
    const int n = ToInt32(edtACol->value());
    if (grdMatrixA->rowCount() != m || grdMatrixA->colCount() != n || grdMatrixB->colCount() != p)
        resultOutOfDate();
    grdMatrixA->setRowCount(ToInt32(edtARow->value()));
    grdMatrixA->setColCount(ToInt32(edtACol->value()));
    grdMatrixB->setRowCount(ToInt32(edtACol->value()));
    grdMatrixB->setColCount(ToInt32(edtBCol->value()));
    grdMatrixR->setRowCount(m);
    grdMatrixR->setColCount(p);
}

void TFM_Main::grdMatrixDrawCell(QPainter& Canvas, StringGrid* Sender, int ACol, int ARow, const QRect& Rect,
                                 StringGrid::DrawState)
{
    QRect r = Rect;
    FillRect(Canvas, r);
    InflateRect(r, -StringGrid::TextInset, -StringGrid::TextInset);
    if (Sender == grdMatrixR && m_computed.state() == ComputedResult::State::OutOfDate)
        Canvas.setPen(ReadableOn(ResolveColor(clGrayText), Canvas.brush().color(), GreyedResultContrast));
    // A cell shows its text as it stands: an ampersand is no mnemonic, and a text too long for the cell
    // says so with a leading ellipsis rather than passing its last digits off as the number.
    DrawTextA(Canvas, Sender->cell(ACol, ARow), r,
              Dt::SingleLine | Dt::VCenter | Dt::Right | Dt::NoPrefix | Dt::StartEllipsis);
}

bool TFM_Main::ValidateMatrices(ExtendedMatrix& a, ExtendedMatrix& b, TextMatrix& aTexts, TextMatrix& bTexts)
{
    // Every cell is parsed, and once: the values are what the product multiplies. One buffer takes each
    // cell's UTF-8 in turn.
    StringGrid* badGrid = nullptr;
    int badCol = 0;
    int badRow = 0;
    QStringEncoder toUtf8(QStringEncoder::Utf8, QStringConverter::Flag::Stateless);
    std::string utf8;
    for (const auto& [grid, values, texts] :
         {std::tuple{grdMatrixA, &a, &aTexts}, std::tuple{grdMatrixB, &b, &bTexts}}) {
        *values = ExtendedMatrix(grid->rowCount(), grid->colCount());
        texts->rows = values->rows;
        texts->cols = values->cols;
        texts->texts.clear();
        texts->texts.reserve(values->values.size());
        for (int i = 0; i < values->rows; ++i) {
            for (int k = 0; k < values->cols; ++k) {
                const QString text = grid->cell(k, i);
                utf8.resize(std::size_t(toUtf8.requiredSpace(text.size())));
                const char* end = toUtf8.appendToBuffer(utf8.data(), text);
                const std::string_view cellUtf8(utf8.data(), std::size_t(end - utf8.data()));
                texts->texts.emplace_back(cellUtf8);
                if (!TryParseNumber(cellUtf8, values->at(i, k)) && !badGrid) {
                    badGrid = grid;
                    badCol = k;
                    badRow = i;
                }
            }
        }
    }
    if (!badGrid)
        return true;
    ShowMessageBox({QStringLiteral("Error"), ValidationMessage, MessageIcon::Error, this});
    // With the box gone, the user is taken to the cell to correct.
    badGrid->setCurrentCell(badCol, badRow);
    badGrid->setFocus(Qt::OtherFocusReason);
    return false;
}

void TFM_Main::resultOutOfDate()
{
    // Only the first change after a Calculate costs more than this test.
    if (!m_computed.markOutOfDate())
        return;
    btnCopy->setEnabled(false);
    grdMatrixR->setAccessibleDescription(QStringLiteral("Out of date"));
    grdMatrixR->viewport()->update();
}

QString TFM_Main::cellToolTip(const StringGrid* grid, int col, int row) const
{
    if (grid == grdMatrixR) {
        const std::string explanation = m_computed.explanation(col, row);
        if (!explanation.empty())
            return QString::fromStdString(explanation);
    }
    const QString text = grid->cell(col, row);
    if (text.isEmpty()
        || !IsLineCut(QFontMetrics(grid->font()), text, StringGrid::DefaultColWidth - 2 * StringGrid::TextInset))
        return QString();
    return wrappedWhole(text);
}

bool TFM_Main::confirmCounts()
{
    for (SpinEdit* editor : {edtARow, edtACol, edtBCol}) {
        if (!editor->confirm())
            return false;
    }
    return true;
}

void TFM_Main::btnCalculateClick()
{
    if (!confirmCounts())
        return;
    ExtendedMatrix a;
    ExtendedMatrix b;
    TextMatrix aTexts;
    TextMatrix bTexts;
    if (!ValidateMatrices(a, b, aTexts, bTexts))
        return;
    // Every cell is computed before any is written, so an overflow leaves the previous result whole.
    ExtendedMatrix r = ProductValues(a, b);
    const std::vector<std::string> results = ResultTexts(r);
    // One repaint for the whole result rather than a request per cell. R holds this product alone: a
    // cell outside it is emptied, so growing the counts later shows no older result.
    grdMatrixR->setUpdatesEnabled(false);
    auto next = results.cbegin();
    for (int row = 0; row < MatrixCountLimit; ++row) {
        for (int column = 0; column < MatrixCountLimit; ++column) {
            const bool inProduct = row < r.rows && column < r.cols;
            grdMatrixR->setCell(column, row, inProduct ? QString::fromStdString(*next++) : QString());
        }
    }
    m_computed.set(std::move(r), std::move(aTexts), std::move(bTexts));
    grdMatrixR->setAccessibleDescription(QString());
    grdMatrixR->setUpdatesEnabled(true);
    btnCopy->setEnabled(true);
    // The focus stays on the button, so a screen reader would not otherwise learn that R changed.
    Announcer::announce(this, QStringLiteral("Result Matrix calculated, ") + SpokenSize(a.rows, b.cols));
}

void TFM_Main::btnCopyClick()
{
    if (!confirmCounts() || !m_computed.upToDate())
        return;
    std::vector<std::vector<std::string>> rows(std::size_t(grdMatrixR->rowCount()));
    for (int row = 0; row < grdMatrixR->rowCount(); ++row) {
        const int cols = grdMatrixR->colCount();
        rows[std::size_t(row)].reserve(std::size_t(cols));
        for (int column = 0; column < cols; ++column)
            rows[std::size_t(row)].push_back(cellText(grdMatrixR, column, row));
    }
    PlaceTextOnClipboard(ExportText(rows));
    Announcer::announce(this, QStringLiteral("Result Matrix copied, ")
                                  + SpokenSize(grdMatrixR->rowCount(), grdMatrixR->colCount()));
}
