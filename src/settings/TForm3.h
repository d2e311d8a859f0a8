#pragma once
// "Configuración regional": the region list, the world map with its hour
// strip, the daylight-saving box, and in the full edition the time zones by
// name. Nothing is put into force before "Aceptar": then the zone is saved,
// reported through regionSaved and the sign calendar is shifted to it anew.
#include "app/Gral.h"
#include "settings/ZoneChoice.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

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
    // The full edition's time zones by name (null in the DEMO).
    QRadioButton* Radio1 = nullptr; // the region of the list or the map
    QRadioButton* Radio2 = nullptr; // "Zona horaria del sistema"
    QRadioButton* Radio3 = nullptr; // another zone of the list below
    QLineEdit* Edit1 = nullptr;     // search in the zone list
    QListWidget* List1 = nullptr;   // every zone the system knows, with its offset now

    // What "Aceptar" would save now.
    ZoneChoice choice() const;

signals:
    // A zone was confirmed and saved (and put into force in the shared state).
    void regionSaved(const ZoneChoice& choice);

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
    // The named-zone controls (TForm3Zones.cpp).
    void buildZoneControls();
    void ShowStoredZone(const ZoneChoice& stored);
    void ShowFirstRunZone();
    void Radio_Click(QRadioButton* radio);
    void Edit1_Change(const QString& text);
    void Edit1_KeyDown(int key);
    void List1_Click();
    void ChooseNamedZone(const QString& name);
    void ChooseClassicZone();
    QString chosenZoneName() const;

    Gral& gral_;
    int zoneIndex_ = 0;
    bool closingGuard_ = true;
    bool centred_ = false;
    QString systemZone_; // the system's time zone by name, empty when unknown (full edition)
};
