#pragma once

#include "translate/blocktranslator.h"

#include <QPointer>
#include <vector>

class ApertiumRun;

// The fallback to ApertiumPipeline for a system whose pair cannot be run program by
// program: one `apertium -u -f html <mode>` run over every block asked for since the last
// run began, each block a paragraph with a numbered marker, the answers split at the
// markers. A new process for every batch; blocks asked during a run wait for the next.
class ApertiumHtmlBatch : public BlockTranslator {
    Q_OBJECT

public:
    static constexpr int BatchLimitMs = 60000;

    ApertiumHtmlBatch(QString program, QString mode, QObject *parent = nullptr);
    ~ApertiumHtmlBatch() override;

    void translate(quint64 id, const QString &fragment) override;
    void cancelAll() override;

private:
    struct Block {
        quint64 id;
        QString fragment;
    };

    void startBatch();

    QString m_program;
    QString m_mode;
    std::vector<Block> m_waiting;
    QPointer<ApertiumRun> m_run;
    bool m_scheduled = false;
    quint64 m_generation = 0;
};
