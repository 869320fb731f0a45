#pragma once

#include "calculator/ComputedResult.h"
#include "platform/grid/StringGrid.h"
#include "platform/window/Form.h"

#include <QString>

#include <functional>

class Button;
class LayoutGroup;
class LayoutItem;
class LayoutLook;
class QPainter;
class QLineEdit;
class SpinEdit;

// The calculator window: three captioned groups side by side, one per matrix, each with its counts
// above a grid, and About and Exit at the bottom right.
class TFM_Main : public Form
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 709;
    static constexpr int ClientHeight = 362;

    explicit TFM_Main(QWidget* parent = nullptr);
    ~TFM_Main() override;

    // The About box lives in a layer above this window; start-up hands over how to show it.
    void setAboutBox(std::function<void(QWidget* over)> showModal);

    // What the last successful Calculate computed (R's values, the texts it came from) and whether R is
    // still the product of what A and B hold.
    const ComputedResult& computedResult() const { return m_computed; }

    // Event handlers.
    void FormShow();
    void btnAboutClick();
    void btnExitClick();
    void btnCalculateClick();
    void btnCopyClick();
    void edtARowPropertiesChange();
    void edtAColPropertiesChange();
    void edtBColPropertiesChange();
    void grdMatrixDrawCell(QPainter& Canvas, StringGrid* Sender, int ACol, int ARow, const QRect& Rect,
                           StringGrid::DrawState State);

private:
    // Components, under the names the program knows them by; each is also its object name.
    QWidget* dxLayoutControl1 = nullptr;
    LayoutGroup* dxLayoutControl1Group_Root = nullptr;
    LayoutGroup* lcgMatrices = nullptr;
    LayoutGroup* lcgMatrixA = nullptr;
    LayoutGroup* lcgMatrixB = nullptr;
    LayoutGroup* lcgResultMatrix = nullptr;
    LayoutGroup* lcgButtons = nullptr;
    LayoutGroup* dxLayoutControl1Group1 = nullptr;
    LayoutGroup* dxLayoutControl1Group2 = nullptr;
    LayoutGroup* dxLayoutControl1Group3 = nullptr;
    LayoutItem* dxLayoutControl1Item1 = nullptr;
    LayoutItem* dxLayoutControl1Item2 = nullptr;
    LayoutItem* dxLayoutControl1Item3 = nullptr;
    LayoutItem* dxLayoutControl1Item4 = nullptr;
    LayoutItem* dxLayoutControl1Item5 = nullptr;
    LayoutItem* dxLayoutControl1Item6 = nullptr;
    LayoutItem* dxLayoutControl1Item7 = nullptr;
    LayoutItem* dxLayoutControl1Item8 = nullptr;
    LayoutItem* dxLayoutControl1Item9 = nullptr;
    LayoutItem* dxLayoutControl1Item10 = nullptr;
    LayoutItem* dxLayoutControl1Item11 = nullptr;
    LayoutItem* dxLayoutControl1Item12 = nullptr;
    LayoutItem* dxLayoutControl1Item13 = nullptr;
    QWidget* dxLayoutControl1SpaceItem2 = nullptr;
    QObject* dxLayoutLookAndFeelList = nullptr;
    LayoutLook* dxLayoutBaseLook = nullptr;
    LayoutLook* dxLayoutMatrixGroups = nullptr;
    LayoutLook* dxLayoutRowColLook = nullptr;

    SpinEdit* edtARow = nullptr;
    SpinEdit* edtACol = nullptr;
    SpinEdit* edtBCol = nullptr;
    QLineEdit* edtBRow = nullptr;
    QLineEdit* edtRRows = nullptr;
    QLineEdit* edtRCols = nullptr;
    StringGrid* grdMatrixA = nullptr;
    StringGrid* grdMatrixB = nullptr;
    StringGrid* grdMatrixR = nullptr;
    Button* btnCalculate = nullptr;
    Button* btnCopy = nullptr;
    Button* btnAbout = nullptr;
    Button* btnExit = nullptr;

    void createLooks();
    void createComponents();
    void createLayout();
    void connectHandlers();
    void setTabOrder();

    void UpdateMatrixSizes();
    // Parses A and B into values and keeps their texts; on a cell that is not a number, says so and
    // then shows the first such cell.
    bool ValidateMatrices(ExtendedMatrix& a, ExtendedMatrix& b, TextMatrix& aTexts, TextMatrix& bTexts);
    // A count or a cell of A or B changed: R no longer is their product.
    void resultOutOfDate();
    QString cellToolTip(const StringGrid* grid, int col, int row) const;
    // Confirms the focused spin editor as leaving it would; false when its text holds the focus.
    bool confirmCounts();

    std::function<void(QWidget* over)> m_showAboutBox;
    ComputedResult m_computed;
};

extern TFM_Main* FM_Main;
