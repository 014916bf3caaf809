#pragma once

#include <QObject>

class QSocketNotifier;

// A desktop session that ends, or a plain `kill`, asks the program to stop with SIGTERM
// or SIGHUP; the program then ends through its usual exit, so nothing the user has is
// lost. The signal only writes to a pipe; the event loop does the rest.
class TerminationHandler : public QObject {
    Q_OBJECT

public:
    explicit TerminationHandler(QObject *parent = nullptr);
    ~TerminationHandler() override;

Q_SIGNALS:
    void terminationRequested();

private:
    QSocketNotifier *m_notifier = nullptr;
};
