#include "app/TFAviso.h"
#include "widgets/WindowKit.h"

#include <QEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include "platform/SystemDateFormat.h"

QStringList NoticeLines(double today, const DateNames& names)
{
    const QString tab = QStringLiteral("\t");
    return {
        u"\"Zeltmark - Pronos\" ha detectado que el \"Formato de fecha corta\" de su sistema no concuerda con las "
        u"necesidades del programa."_qs,
        QString(),
        u"Por favor, ingrese a \"Configuración regional\" en \"Panel de Control\" y en \"Fecha\" cambie el formato de "
        u"fecha corta por alguno de los formatos que se detallan a continuación como ejemplo:"_qs,
        QString(),
        tab.repeated(3) + u"\"dd/MM/aaaa\" (día/mes/año)"_qs,
        tab.repeated(3) + u"\"MM/dd/aaaa\" (mes/día/año)"_qs,
        tab.repeated(3) + u"\"aaaa/MM/dd\" (año/mes/día)"_qs,
        QString(),
        u"En cualquier caso, lo que el programa necesita es que el \"DIA\" y el \"MES\" se conformen de dos digitos y "
        u"el \"AÑO\" con cuatro digitos."_qs,
        u"El mismo concepto debe ser aplicado para el \"Formato de fecha larga\":"_qs,
        QString(),
        tab + u"dddd dd' de 'MMMM' de 'aaaa ("_qs
            + DatePattern(u"dddd dd \"de\" MMMM \"de\" yyyy"_qs).format(today, names) + u')',
        tab + u"MMMM, dddd dd' de 'aaaa ("_qs + DatePattern(u"MMMM, dddd dd \"de\" yyyy"_qs).format(today, names) + u')',
        QString(),
        u"Si su sistema operativo es en idioma inglés, es probable que en vez de la letra \"a\" como indicativo de "
        u"\"AÑO\", sea la letra \"y\" como tal."_qs,
        QString(),
        u"Los simbolos normalmente aceptados como separador son:"_qs,
        QString(),
        tab.repeated(4) + u"\"/\"  \"-\"  \".\""_qs,
        QString(),
        u"Luego de pulsar el botón \"Aceptar\" el programa se cerrará."_qs,
    };
}

TFAviso::TFAviso(const Platform& platform, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint),
      platform_(platform)
{
    setWindowTitle(QStringLiteral("A V I S O"));
    setFixedSize(691, 398);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(6, 6, 679, 352);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setTabChangesFocus(false);
    // "Courier New", or its metric twin where it is not installed.
    QFont mono(QStringLiteral("Courier New"), 10);
    mono.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
    mono.setStyleHint(QFont::TypeWriter);
    Memo1->setFont(mono);
    Memo1->setTabStopDistance(8 * QFontMetricsF(mono).horizontalAdvance(u' '));
    QPalette memoPalette = Memo1->palette();
    memoPalette.setColor(QPalette::Base, memoPalette.color(QPalette::Button));
    Memo1->setPalette(memoPalette);
    Memo1->installEventFilter(this);

    Button1 = new QPushButton(QStringLiteral("Aceptar"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(576, 367, 103, 23);
    QFont bold = Button1->font();
    bold.setBold(true);
    Button1->setFont(bold);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    FAviso_Create();
}

void TFAviso::FAviso_Create()
{
    Memo1->clear();
    Memo1->setPlainText(NoticeLines(TodayDayNumber()).join(u'\n'));
    Memo1->moveCursor(QTextCursor::Start);
}

// Each activation repaints at once and sounds the default beep.
void TFAviso::FAviso_Activate()
{
    repaint();
    platform_.beep();
}

void TFAviso::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FAviso_Activate();
}

// The Tab key stays in the text: it never moves the focus out of the memo.
bool TFAviso::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Memo1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFAviso::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}
