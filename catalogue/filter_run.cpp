#include "catalogue/filter_run.h"

#include "catalogue/catalogue_model.h"
#include "platform/thread_priority.h"

#include <QTimer>
#include <memory>

namespace {

// From how many rows the match is split over two threads.
constexpr int ManyRowsForTwoThreads = 20000;

struct Matching {
    const CatalogueModel& list;
    const std::vector<FilterWord>& words;
    unsigned fields;
    const std::vector<char>* before; // the rows shown for words these narrow, or nullptr
    const std::atomic<bool>& cancel;
};

// Matches the rows in places [from, to), preparing the texts not known yet; a row not shown
// for the narrower words before cannot match now and is not looked at.
void MatchPlaces(const Matching& m, int from, int to, std::vector<char>& shown,
                 std::vector<std::pair<int, QByteArray>>& prepared) {
    for (int place = from; place < to; ++place) {
        if ((place & 1023) == 0 && m.cancel.load(std::memory_order_relaxed))
            return;
        if (m.before && !(*m.before)[size_t(place)])
            continue;
        const QByteArray& known = m.list.filterTextInPlace(place);
        if (!known.isNull()) {
            shown[size_t(place)] = FilterTextMatches(known, m.words, m.fields);
            continue;
        }
        QByteArray text = PreparedFilterText(m.list.entryInPlace(place));
        shown[size_t(place)] = FilterTextMatches(text, m.words, m.fields);
        prepared.emplace_back(place, std::move(text));
    }
}

} // namespace

FilterBoxRun::FilterBoxRun(CatalogueModel& list, QObject* parent) : QObject(parent), m_list(list) {
    m_list.beforeChange = [this] {
        if (!busy())
            return;
        stop();
        ++m_generation; // a result already on its way is of rows as they were
        QTimer::singleShot(0, this, [this] { again(); });
    };
}

FilterBoxRun::~FilterBoxRun() {
    m_list.beforeChange = nullptr;
    stop();
}

bool FilterBoxRun::held() const {
    return m_holds > 0 || m_list.isRefilling();
}

void FilterBoxRun::setText(const QString& text, unsigned searchedFields) {
    m_text = text;
    m_words = ParseFilterWords(text);
    m_fields = searchedFields;
    again();
}

void FilterBoxRun::again() {
    if (held())
        return;
    if (m_words.empty()) {
        stop();
        ++m_generation;
        if (m_list.rowsFiltered())
            m_list.showAllRows();
        emit shown();
        start(false);
        return;
    }
    start(true);
}

void FilterBoxRun::stop() {
    if (!m_worker.joinable())
        return;
    m_cancel = true;
    m_worker.join();
    m_cancel = false;
}

void FilterBoxRun::start(bool apply) {
    stop();
    const quint64 generation = ++m_generation;
    const quint64 stamp = m_list.contentStamp();
    auto before = std::make_shared<std::vector<char>>();
    if (apply && m_last && m_last->stamp == stamp && m_last->fields == m_fields &&
        FilterWordsNarrow(m_last->words, m_words))
        *before = m_last->shown;
    const bool narrow = !before->empty();
    const int count = m_list.allRowCount();
    m_worker = std::thread([this, generation, stamp, apply, narrow, before, count, words = m_words,
                            fields = m_fields] {
        LowerThisThreadsPriority();
        auto result = std::make_shared<Result>();
        result->generation = generation;
        result->stamp = stamp;
        result->apply = apply;
        result->shown.assign(size_t(count), 0);
        const Matching m{m_list, words, fields, narrow ? before.get() : nullptr, m_cancel};
        const int half = count >= ManyRowsForTwoThreads ? count / 2 : 0;
        std::vector<std::pair<int, QByteArray>> firstHalf;
        std::thread other;
        if (half > 0)
            other = std::thread([&] {
                LowerThisThreadsPriority();
                MatchPlaces(m, 0, half, result->shown, firstHalf);
            });
        MatchPlaces(m, half, count, result->shown, result->prepared);
        if (other.joinable())
            other.join();
        if (m_cancel)
            return;
        result->prepared.insert(result->prepared.end(), std::make_move_iterator(firstHalf.begin()),
                                std::make_move_iterator(firstHalf.end()));
        QMetaObject::invokeMethod(
            this, [this, result] { finished(std::move(*result)); }, Qt::QueuedConnection);
    });
}

void FilterBoxRun::finished(Result result) {
    if (result.generation != m_generation)
        return; // a newer run replaced it
    if (m_worker.joinable())
        m_worker.join();
    if (result.stamp != m_list.contentStamp())
        return again();
    for (auto& [place, text] : result.prepared)
        m_list.setFilterTextInPlace(place, std::move(text));
    if (!result.apply || held())
        return; // a hold's end runs the words again
    m_list.showRows(result.shown);
    m_last = Shown{m_words, m_fields, result.stamp, std::move(result.shown)};
    emit shown();
}
