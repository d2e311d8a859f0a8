#include "help/HelpViewer.h"
#include "core/Edition.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

namespace {

enum Page { TopicPage = 0, FinderPage = 1 };

// Lower case without accents, so a search needs neither.
QString Folded(const QString& text)
{
    const QString decomposed = text.toLower().normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            out.append(c);
    return out;
}

QString TopicCaption(const HelpTopic& topic)
{
    return topic.title.isEmpty() ? QStringLiteral("Tema %1").arg(topic.number) : topic.title;
}

} // namespace

bool HelpTopicMatches(const HelpTopic& topic, const QString& query)
{
    const QStringList words = Folded(query).split(u' ', Qt::SkipEmptyParts);
    if (words.isEmpty())
        return true;
    const QString haystack = Folded(topic.title + u'\n' + topic.text);
    for (const QString& word : words)
        if (!haystack.contains(word))
            return false;
    return true;
}

// A dialog-type window: desktops keep only those in front of the window
// that owns them (a plain window is never marked as owned on X11).
HelpViewer::HelpViewer(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                          | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Ayuda de Zeltmark - Pronos"));
    // Help stays beside the program; it must not keep the program alive alone.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(640, 560);

    pages = new QStackedWidget(this);

    auto* topicPage = new QWidget;
    titleLabel = new QLabel;
    QFont titleFont = titleLabel->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    titleLabel->setFont(titleFont);
    titleLabel->setWordWrap(true);
    topicView = new QTextBrowser;
    topicView->setOpenLinks(false);
    topicView->setReadOnly(true);
    contentsButton = new QPushButton(QStringLiteral("&Contenido"));
    finderButton = new QPushButton(QStringLiteral("&Buscar temas"));
    auto* closeTopic = new QPushButton(QStringLiteral("C&errar"));
    closeTopic->setObjectName(QStringLiteral("closeTopic"));
    auto* topicButtons = new QHBoxLayout;
    topicButtons->addWidget(contentsButton);
    topicButtons->addWidget(finderButton);
    topicButtons->addStretch();
    topicButtons->addWidget(closeTopic);
    auto* topicLayout = new QVBoxLayout(topicPage);
    topicLayout->addWidget(titleLabel);
    topicLayout->addWidget(topicView, 1);
    topicLayout->addLayout(topicButtons);

    auto* finderPage = new QWidget;
    auto* searchLabel = new QLabel(QStringLiteral("&Escriba las palabras que desea buscar:"));
    searchBox = new QLineEdit;
    searchBox->setClearButtonEnabled(true);
    searchLabel->setBuddy(searchBox);
    auto* listLabel = new QLabel(QStringLiteral("Seleccione un &tema y pulse \"Mostrar\":"));
    topicList = new QListWidget;
    listLabel->setBuddy(topicList);
    showButton = new QPushButton(QStringLiteral("&Mostrar"));
    auto* closeFinder = new QPushButton(QStringLiteral("C&errar"));
    auto* finderContents = new QPushButton(QStringLiteral("&Contenido"));
    auto* finderButtons = new QHBoxLayout;
    finderButtons->addWidget(finderContents);
    finderButtons->addStretch();
    finderButtons->addWidget(showButton);
    finderButtons->addWidget(closeFinder);
    auto* finderTitle = new QLabel(QStringLiteral("Buscar temas de ayuda"));
    finderTitle->setFont(titleFont);
    auto* finderLayout = new QVBoxLayout(finderPage);
    finderLayout->addWidget(finderTitle);
    finderLayout->addWidget(searchLabel);
    finderLayout->addWidget(searchBox);
    finderLayout->addWidget(listLabel);
    finderLayout->addWidget(topicList, 1);
    finderLayout->addLayout(finderButtons);

    pages->addWidget(topicPage);
    pages->addWidget(finderPage);
    backButton = new QPushButton(QStringLiteral("< &Atrás"));
    backButton->setObjectName(QStringLiteral("backButton"));
    backButton->setToolTip(QStringLiteral("Tema anterior (Alt+Izquierda)"));
    forwardButton = new QPushButton(QStringLiteral("A&delante >"));
    forwardButton->setObjectName(QStringLiteral("forwardButton"));
    forwardButton->setToolTip(QStringLiteral("Tema siguiente (Alt+Derecha)"));
    auto* historyButtons = new QHBoxLayout;
    historyButtons->addWidget(backButton);
    historyButtons->addWidget(forwardButton);
    historyButtons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(historyButtons);
    layout->addWidget(pages);
    updateHistoryButtons();

    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Left), this, this, &HelpViewer::goBack);
    new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Right), this, this, &HelpViewer::goForward);
    // Up and Down in the search box walk the list of found topics.
    searchBox->installEventFilter(this);

    connect(contentsButton, &QPushButton::clicked, this, [this] { showTopic(1); });
    connect(finderContents, &QPushButton::clicked, this, [this] { showTopic(1); });
    connect(finderButton, &QPushButton::clicked, this, &HelpViewer::showFinder);
    connect(closeTopic, &QPushButton::clicked, this, &QWidget::close);
    connect(closeFinder, &QPushButton::clicked, this, &QWidget::close);
    connect(topicView, &QTextBrowser::anchorClicked, this, &HelpViewer::openLink);
    connect(backButton, &QPushButton::clicked, this, &HelpViewer::goBack);
    connect(forwardButton, &QPushButton::clicked, this, &HelpViewer::goForward);
    connect(searchBox, &QLineEdit::textChanged, this, &HelpViewer::fillTopicList);
    connect(searchBox, &QLineEdit::returnPressed, this, [this] { openItem(topicList->currentItem()); });
    connect(topicList, &QListWidget::itemActivated, this, &HelpViewer::openItem);
    connect(showButton, &QPushButton::clicked, this, [this] { openItem(topicList->currentItem()); });
}

void HelpViewer::setHelpFile(const QString& path)
{
    if (path != path_) {
        path_ = path;
        loaded_ = false;
    }
    reload();
}

void HelpViewer::reload()
{
    const QFileInfo info(path_);
    const QDateTime stamp = info.exists() ? info.lastModified() : QDateTime();
    const qint64 size = info.exists() ? info.size() : -1;
    if (loaded_ && stamp == loadedStamp_ && size == loadedSize_)
        return;
    loaded_ = true;
    loadedStamp_ = stamp;
    loadedSize_ = size;
    topics_.clear();
    if (!path_.isEmpty())
        topics_ = ReadHelpFile(path_).value_or(QList<HelpTopic>());
    fillTopicList();
}

void HelpViewer::showTopic(int context)
{
    go({false, context});
}

void HelpViewer::showFinder()
{
    go({true, 0});
}

void HelpViewer::go(const Place& place)
{
    if (place.finder)
        showFinderPage();
    else
        showTopicPage(place.context);
    // Without a help file the finder explains that as a topic does.
    record(finderShown() ? Place{true, 0} : Place{false, place.finder ? 0 : place.context});
}

// A new place drops the places ahead of the current one, as a browser does;
// showing the current place again adds nothing.
void HelpViewer::record(const Place& place)
{
    if (historyAt_ >= 0 && history_.at(historyAt_) == place)
        return updateHistoryButtons();
    history_.resize(historyAt_ + 1);
    history_.append(place);
    historyAt_ = history_.size() - 1;
    updateHistoryButtons();
}

void HelpViewer::goBack()
{
    if (historyAt_ <= 0)
        return;
    const Place place = history_.at(--historyAt_);
    place.finder ? showFinderPage() : showTopicPage(place.context);
    updateHistoryButtons();
}

void HelpViewer::goForward()
{
    if (historyAt_ + 1 >= history_.size())
        return;
    const Place place = history_.at(++historyAt_);
    place.finder ? showFinderPage() : showTopicPage(place.context);
    updateHistoryButtons();
}

void HelpViewer::updateHistoryButtons()
{
    backButton->setEnabled(historyAt_ > 0);
    forwardButton->setEnabled(historyAt_ + 1 < history_.size());
}

bool HelpViewer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == searchBox && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int step = key->key() == Qt::Key_Down ? 1 : key->key() == Qt::Key_Up ? -1 : 0;
        if (step != 0 && topicList->count() > 0) {
            const int row = std::clamp(topicList->currentRow() + step, 0, topicList->count() - 1);
            topicList->setCurrentRow(row);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void HelpViewer::showTopicPage(int context)
{
    reload();
    pages->setCurrentIndex(TopicPage);
    contentsButton->setEnabled(!topics_.isEmpty());
    finderButton->setEnabled(!topics_.isEmpty());
    shownTopic_ = 0;
    if (topics_.isEmpty()) {
        titleLabel->setText(QStringLiteral("Ayuda no disponible"));
        topicView->setPlainText(
            QStringLiteral(
                "No se encontró el archivo de ayuda \"%1\" en la carpeta del programa, o no se pudo leer.\n\n"
                "Para disponer de la ayuda, instale nuevamente \"Zeltmark - Pronos\".")
                .arg(CurrentEdition().helpFileName));
    } else if (const HelpTopic* topic = FindHelpTopic(topics_, context)) {
        shownTopic_ = topic->number;
        titleLabel->setText(TopicCaption(*topic));
        topicView->setMarkdown(topic->text);
    } else {
        titleLabel->setText(QStringLiteral("Tema no encontrado"));
        topicView->setPlainText(
            QStringLiteral("El archivo de ayuda no contiene el tema %1. Pulse \"Contenido\" para ver la lista de temas.")
                .arg(context));
    }
    present();
}

void HelpViewer::showFinderPage()
{
    reload();
    if (topics_.isEmpty()) {
        showTopicPage(0); // explains that there is no help file
        return;
    }
    shownTopic_ = 0;
    pages->setCurrentIndex(FinderPage);
    searchBox->clear();
    fillTopicList();
    present();
    searchBox->setFocus();
}

bool HelpViewer::finderShown() const { return pages->currentIndex() == FinderPage; }

void HelpViewer::fillTopicList()
{
    topicList->clear();
    for (const HelpTopic& topic : topics_) {
        if (!HelpTopicMatches(topic, searchBox->text()))
            continue;
        auto* item = new QListWidgetItem(TopicCaption(topic), topicList);
        item->setData(Qt::UserRole, topic.number);
    }
    if (topicList->count() > 0)
        topicList->setCurrentRow(0);
    showButton->setEnabled(topicList->count() > 0);
}

void HelpViewer::openItem(QListWidgetItem* item)
{
    if (item)
        showTopic(item->data(Qt::UserRole).toInt());
}

// Topics link to each other as "#N" (or "tema:N").
void HelpViewer::openLink(const QUrl& url)
{
    bool ok = false;
    const int number = (url.scheme() == QStringLiteral("tema") ? url.path() : url.fragment()).toInt(&ok);
    if (ok)
        showTopic(number);
}

void HelpViewer::present()
{
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    // Help belongs to the window it was asked from: it stays in front of it
    // (also after a click into that window) and, asked from a modal window,
    // takes clicks and keys while that window waits. Desktops read the owner
    // when a window is mapped, so a new owner needs the window mapped anew.
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner || owner == this)
        owner = QApplication::activeWindow();
    if (owner == this)
        owner = nullptr;
    winId();
    QWindow* ownerWindow = owner ? owner->window()->windowHandle() : nullptr;
    if (ownerWindow && windowHandle()->transientParent() != ownerWindow) {
        if (isVisible())
            hide();
        windowHandle()->setTransientParent(ownerWindow);
    }
    show();
    raise();
    activateWindow();
}
