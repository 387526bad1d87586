#pragma once
// The filter box at work: its words are matched against the rows on a worker thread, and the
// list shows the rows that hold them all when the worker is done. Each change of the words
// starts a new generation and drops the work of the older ones; words that only grew look
// again at the rows shown for the words before. The window's thread only hides and shows rows.

#include "catalogue/row_filter.h"

#include <QObject>
#include <QString>
#include <atomic>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

class CatalogueModel;

class FilterBoxRun : public QObject {
    Q_OBJECT
public:
    // Watches `list` through its beforeChange: a change of the rows stops the worker first, so
    // that it never reads rows that move.
    explicit FilterBoxRun(CatalogueModel& list, QObject* parent = nullptr);
    ~FilterBoxRun() override;

    // The box's text, and the fields its unnamed words are looked for in (SearchedFields):
    // an empty text shows every row at once; other words show their rows when the worker is
    // done (shown() tells).
    void setText(const QString& text, unsigned searchedFields);
    const QString& text() const { return m_text; }
    // The words again over the rows as they are now (after a command changed them); with an
    // empty box, the rows' texts are prepared meanwhile, so that the first word typed finds
    // them ready.
    void again();
    // Whether a worker is matching words now.
    bool busy() const { return m_worker.joinable(); }

    // While one lives (a command at work, whose rows must stay where they are) the list's rows
    // stay as shown; the words run again when the last one ends.
    class Hold {
    public:
        explicit Hold(FilterBoxRun& run) : m_run(run) { ++m_run.m_holds; }
        ~Hold() {
            if (--m_run.m_holds == 0)
                m_run.again();
        }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        FilterBoxRun& m_run;
    };

signals:
    // The list shows the rows of the box's words (every row for an empty box).
    void shown();

private:
    struct Result {
        quint64 generation = 0;
        quint64 stamp = 0;
        bool apply = false;
        std::vector<char> shown;                          // by place among all rows
        std::vector<std::pair<int, QByteArray>> prepared; // texts the worker prepared
    };
    struct Shown { // the rows last shown, and for which words
        std::vector<FilterWord> words;
        unsigned fields = 0;
        quint64 stamp = 0;
        std::vector<char> shown;
    };

    void start(bool apply);
    void stop();
    void finished(Result result);
    bool held() const;

    CatalogueModel& m_list;
    QString m_text;
    std::vector<FilterWord> m_words;
    unsigned m_fields = 0;
    std::optional<Shown> m_last;
    std::thread m_worker;
    std::atomic<bool> m_cancel{false};
    quint64 m_generation = 0;
    int m_holds = 0;
};
