#include "tendencies/MemberComboBox.h"
#include "core/EntryElision.h"

#include <QAbstractItemView>
#include <QStyleOptionComboBox>
#include <QStylePainter>

MemberComboBox::MemberComboBox(QWidget* parent) : QComboBox(parent)
{
    // The dropped list keeps each entry's date too.
    view()->setTextElideMode(Qt::ElideMiddle);
    connect(this, &QComboBox::currentIndexChanged, this, [this] { describeCurrent(); });
    describeCurrent();
}

void MemberComboBox::describeCurrent()
{
    setToolTip(currentText());
    setAccessibleName(currentText().isEmpty() ? QStringLiteral("Integrantes")
                                              : QStringLiteral("Integrantes: ") + currentText());
}

void MemberComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    const QFontMetrics metrics = fontMetrics();
    option.currentText = ElideEntryName(option.currentText, field.width() - 4,
                                        [&metrics](const QString& text) { return metrics.horizontalAdvance(text); });
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}
