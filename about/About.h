#pragma once

#include "platform/desktop/Version.h"

#include <QDialog>
#include <QString>

class Button;
class QLabel;
class TZelGradPanel;
class TZelLinkLabel;

// The About dialog: program name, description, version, copyright notice, the maker's web site and
// an Ok button over a white-to-lavender gradient. Created once at start-up and hidden between uses.
class TfrmAbout : public QDialog
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 364;
    static constexpr int ClientHeight = 197;

    explicit TfrmAbout(QWidget* parent = nullptr);
    ~TfrmAbout() override;

    // Shows the dialog modally: centred on `over` (outer sizes, never beyond the desktop's top-left)
    // the first time, where it was left every later time. Returns the modal result, which callers
    // may ignore.
    int ShowModal(QWidget* over);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void loadLogo();
    void FormCreate(QObject* sender);
    static QString GetVersionText();
    void placeFirstTime(const QWidget* over);

    Button* btnOk = nullptr;
    QWidget* bvlLine = nullptr;
    QLabel* imgLogo = nullptr;
    QLabel* lblCopyright = nullptr;
    QLabel* lblDesc = nullptr;
    QLabel* lblProgName = nullptr;
    QLabel* lblVersion = nullptr;
    TZelLinkLabel* lblWebsite = nullptr;
    TZelGradPanel* pnlBase = nullptr;

    bool m_placed = false;
};

extern TfrmAbout* frmAbout;

// Major, minor and release joined by ".", in plain decimal; the build number never shows.
//   1.5.0.0 -> "1.5.0", 2.10.3.7 -> "2.10.3", 65535.65535.65535.65535 -> "65535.65535.65535"
QString VersionText(const FileVersion& version);

// Sizes a label to its text. A right-aligned label keeps its right edge and grows or shrinks to the
// left; any other keeps its left edge.
void FitLabelToText(QLabel& label);
