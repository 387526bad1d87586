// Includes between the product's folders run one way: no two folders include each other,
// directly or through other folders.

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>
#include <map>
#include <set>

namespace {

using Graph = std::map<QString, std::set<QString>>; // folder -> the folders it includes

const QStringList ProductFolders = {"app",    "base",  "catalogue", "cli",    "fileops", "format",
                                    "index",  "info",  "platform",  "report", "settings"};

struct Include {
    QString from;
    QString to;
    QString file; // the first file of `from` that includes `to`
};

// Every "#include "folder/..."" from one product folder into another, Windows sources and
// platform branches included.
std::vector<Include> ReadIncludes(const QString& sourceDir) {
    static const QRegularExpression line(QStringLiteral("^\\s*#\\s*include\\s+\"(\\w+)/"),
                                         QRegularExpression::MultilineOption);
    std::vector<Include> includes;
    std::set<std::pair<QString, QString>> seen;
    for (const QString& folder : ProductFolders) {
        const QDir dir(sourceDir + QLatin1Char('/') + folder);
        const QStringList files = dir.entryList({QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                                                QDir::Files, QDir::Name);
        for (const QString& name : files) {
            QFile file(dir.filePath(name));
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QString text = QString::fromUtf8(file.readAll());
            for (const QRegularExpressionMatch& match : line.globalMatch(text)) {
                const QString to = match.captured(1);
                if (to != folder && ProductFolders.contains(to) && seen.insert({folder, to}).second)
                    includes.push_back({folder, to, folder + QLatin1Char('/') + name});
            }
        }
    }
    return includes;
}

// The first cycle of `graph` as the folders along it, the first one repeated at the end;
// empty when there is none.
QStringList FindCycle(const Graph& graph) {
    std::map<QString, int> state; // 0 unvisited, 1 on the path, 2 done
    QStringList path;
    QStringList cycle;
    std::function<bool(const QString&)> visit = [&](const QString& folder) {
        state[folder] = 1;
        path << folder;
        const auto found = graph.find(folder);
        if (found != graph.end()) {
            for (const QString& next : found->second) {
                if (state[next] == 1) {
                    cycle = path.mid(path.indexOf(next)) << next;
                    return true;
                }
                if (state[next] == 0 && visit(next))
                    return true;
            }
        }
        path.removeLast();
        state[folder] = 2;
        return false;
    };
    for (const auto& [folder, targets] : graph) {
        if (state[folder] == 0 && visit(folder))
            return cycle;
    }
    return {};
}

Graph GraphOf(const QStringList& edges) {
    Graph graph;
    for (const QString& edge : edges) {
        const QStringList ends = edge.split(QStringLiteral(" -> "));
        graph[ends[0]].insert(ends[1]);
    }
    return graph;
}

} // namespace

class TestIncludeDirection : public QObject {
    Q_OBJECT
private slots:
    // The finder itself: a test that can miss a cycle would pass for ever.
    void findCycle_data() {
        QTest::addColumn<QStringList>("edges");
        QTest::addColumn<QStringList>("cycle");
        QTest::newRow("one way") << QStringList{"a -> b", "b -> c", "a -> c"} << QStringList{};
        QTest::newRow("each other")
            << QStringList{"a -> b", "b -> a"} << QStringList{"a", "b", "a"};
        QTest::newRow("through a third") << QStringList{"x -> a", "a -> b", "b -> c", "c -> a"}
                                         << QStringList{"a", "b", "c", "a"};
    }
    void findCycle() {
        QFETCH(QStringList, edges);
        QFETCH(QStringList, cycle);
        QCOMPARE(FindCycle(GraphOf(edges)), cycle);
    }

    void foldersIncludeOneWay() {
        const std::vector<Include> includes = ReadIncludes(QStringLiteral(ZUF_SOURCE_DIR));
        QVERIFY2(includes.size() > 10, "the sources were not found");
        Graph graph;
        std::map<QString, QString> files; // "from -> to" -> the file that includes it
        for (const Include& include : includes) {
            files[include.from + QStringLiteral(" -> ") + include.to] = include.file;
            graph[include.from].insert(include.to);
        }
        const QStringList cycle = FindCycle(graph);
        QStringList named;
        for (qsizetype i = 0; i + 1 < cycle.size(); ++i)
            named << files[cycle[i] + QStringLiteral(" -> ") + cycle[i + 1]];
        QVERIFY2(cycle.isEmpty(),
                 qPrintable(QStringLiteral("folders include each other: ") +
                            cycle.join(QStringLiteral(" -> ")) + QStringLiteral(" (") +
                            named.join(QStringLiteral(", ")) + QStringLiteral(")")));
    }
};

QTEST_GUILESS_MAIN(TestIncludeDirection)
#include "tst_include_direction.moc"
