#pragma once
// "Configuración regional": the region list, the world map with its hour
// strip, the daylight-saving box. On "Aceptar" the zone is saved and the sign
// calendar is shifted to it anew.
#include "Gral.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(Gral& gral, QWidget* parent = nullptr);

    // The zone now shown on the map (UTC offset + 12).
    int zoneIndex() const { return zoneIndex_; }

    QComboBox* Combo1 = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* StaticText1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* Button1 = nullptr; // "Aceptar"
    QPushButton* Button2 = nullptr; // "Cancelar"
    QPushButton* Button3 = nullptr; // "Ayuda"

public slots:
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void Form3_Create();
    void ShowZone(int zone);
    void Image1_MouseDown(int x, int y, bool rightButton);
    void Image1_Choose(int zone);
    void Image1_MouseMove(int y);
    void Combo1_Click(int line);
    void Check1_Click();
    void Button1_Click();
    void Button2_Click();
    void Button3_Click();
    bool closingRefused() const;

    Gral& gral_;
    int zoneIndex_ = 0;
    bool closingGuard_ = true;
    bool centred_ = false;
};
