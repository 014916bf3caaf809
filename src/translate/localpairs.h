#pragma once

#include <QObject>
#include <QStringList>
#include <functional>
#include <vector>

class QProcess;

// The Apertium modes installed on this computer, asked of `apertium -l` once per run, in
// the background: the first list() starts it, and nothing waits for it on this thread.
// With no apertium at all the list is empty.
class LocalPairs : public QObject {
    Q_OBJECT

public:
    explicit LocalPairs(QString program = QStringLiteral("apertium"), QObject *parent = nullptr);
    ~LocalPairs() override;

    // Starts the listing when it has not run yet.
    void list();
    // Runs then at once when the list is known, else once it is (starting it if needed).
    void whenKnown(std::function<void()> then);
    bool known() const { return m_known; }
    const QStringList &modes() const { return m_modes; }
    const QString &program() const { return m_program; }

Q_SIGNALS:
    void becameKnown();

private:
    void finish(const QByteArray &output);

    QString m_program;
    QProcess *m_process = nullptr;
    bool m_known = false;
    QStringList m_modes;
    std::vector<std::function<void()>> m_waiting;
};
