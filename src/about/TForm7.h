#pragma once
// The About window: the program's picture, four lines of product
// information, two linked pictures that open web sites, and "Aceptar".
#include "app/Gral.h"
#include "core/VendorIdentity.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

// The addresses the two linked pictures open (also shown as their hints).
inline const QString MakerSiteAddress = Vendor::Homepage;
inline const QString DownloadSiteAddress = Vendor::DownloadPage;

class TForm7 : public QDialog {
    Q_OBJECT
public:
    explicit TForm7(const Platform& platform, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void Form7_Create();
    void Image_Click(QObject* sender);

    const Platform& platform_;
    QFrame* Bevel3 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Image3 = nullptr;
    QFrame* Bevel2 = nullptr;
    QLabel* SText1 = nullptr;
    QPushButton* Button1 = nullptr;
};
