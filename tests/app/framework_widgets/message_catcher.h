// Answers the information boxes that a test provokes: each box that opens
// while the catcher lives is recorded and closed with OK.
#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

class TMessageCatcher : public QObject {
public:
    TMessageCatcher();

    const QStringList& Messages() const { return messages_; }

private:
    void CloseOpenBox();

    QTimer timer_;
    QStringList messages_;
};
