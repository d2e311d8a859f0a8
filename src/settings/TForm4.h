#pragma once
// The colour window: edits the colours of the five tendency levels. The
// working colours live in the window's LevelColourEditor until "Aceptar"
// copies them into the colour table the window was given; "Cancelar" and the window's close box
// leave them as they were.
#include "settings/ColourRules.h"
#include "app/Gral.h"

#include <QDialog>
#include <QImage>
#include <array>

class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;

class TForm4 : public QDialog {
    Q_OBJECT
public:
    // `level` (1..5) is the level selected when the window opens.
    TForm4(LevelColorTable& colours, const Platform& platform, int level, QWidget* parent = nullptr);

    int editedLevel() const { return editor_.editedLevel(); }
    // The colour each level label shows now (level 1..5).
    ColourValue workingColour(int level) const { return editor_.colourOf(level); }
    ColourValue previewColour() const { return previewColour_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    bool arrowKey(QObject* watched, const QKeyEvent* key);
    void StaticText_Click(int level);
    void Panel_Click(int index);
    void Image1_MouseMove(int x, int y);
    void Image1_Click();
    void chooseColour(ColourValue colour);
    void showLevelColour(int level);
    void Button1_Click();

    LevelColorTable& colours_;
    const Platform& platform_;
    LevelColourEditor editor_;
    QImage spectrum_;
    ColourValue previewColour_ = 0x0000FF; // red until the pointer passes over the spectrum
    int spectrumX_ = 0;                     // the spectrum column the keyboard is on

    QGroupBox* GroupBox1 = nullptr;
    std::array<QFrame*, 15> panels_{};
    QFrame* Panel16 = nullptr;
    QLabel* Image1 = nullptr;
    QFrame* Panel17 = nullptr;
    QFrame* Bevel1 = nullptr;
    std::array<QLabel*, 5> staticTexts_{};
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
};
