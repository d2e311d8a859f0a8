#pragma once
// The program's help window: one non-modal window, reused, that shows a topic
// of the help file by its context number or lists the topics with a search
// box (the finder). It keeps the places shown for "Atrás" and "Adelante"
// (Alt+Left, Alt+Right) and stays in front of the window it was asked from.
#include "help/HelpFile.h"

#include <QDateTime>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QStackedWidget;
class QTextBrowser;

// True when every word of `query` occurs in the topic's title or text,
// ignoring case and accents ("gestion" finds "Gestión").
bool HelpTopicMatches(const HelpTopic& topic, const QString& query);

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // The help file to read; an empty path means there is none. The file is
    // read again when it changed on disk since the last read.
    void setHelpFile(const QString& path);
    QString helpFile() const { return path_; }

    void showTopic(int context);
    void showFinder();

    int shownTopic() const { return shownTopic_; } // 0 in the finder or without a topic
    bool finderShown() const;
    void goBack();
    void goForward();
    const QList<HelpTopic>& topics() const { return topics_; }

    // Controls, named for tests and for the layout.
    QStackedWidget* pages = nullptr;
    QLabel* titleLabel = nullptr;
    QTextBrowser* topicView = nullptr;
    QPushButton* contentsButton = nullptr;
    QPushButton* finderButton = nullptr;
    QLineEdit* searchBox = nullptr;
    QListWidget* topicList = nullptr;
    QPushButton* showButton = nullptr;
    QPushButton* backButton = nullptr;
    QPushButton* forwardButton = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A place in the history: the finder, or a topic by its context number.
    struct Place {
        bool finder = false;
        int context = 0;
        bool operator==(const Place&) const = default;
    };
    void go(const Place& place);
    void record(const Place& place);
    void showTopicPage(int context);
    void showFinderPage();
    void updateHistoryButtons();
    void reload();
    void fillTopicList();
    void openItem(QListWidgetItem* item);
    void openLink(const QUrl& url);
    void present();

    QString path_;
    QDateTime loadedStamp_;
    qint64 loadedSize_ = -1;
    bool loaded_ = false;
    QList<HelpTopic> topics_;
    int shownTopic_ = 0;
    QList<Place> history_;
    qsizetype historyAt_ = -1;
};
