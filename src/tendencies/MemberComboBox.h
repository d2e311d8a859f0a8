#pragma once
// The main window's member box: an entry too long for the box shows its name
// cut, never its birth date; the whole entry is in the tooltip and is what a
// screen reader names.
#include <QComboBox>

class MemberComboBox : public QComboBox {
public:
    explicit MemberComboBox(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void describeCurrent();
};
