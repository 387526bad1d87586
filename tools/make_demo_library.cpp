// make-demo-library DIR: writes a small library of tablature files of both generations into DIR,
// in a few sub-folders, to try the program and zuflist on.

#include "tools/sample_writer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <initializer_list>

namespace {

// Note numbers of the format count down in pitch: a string sounding MIDI note m is 96 - m.
std::vector<quint8> Strings(std::initializer_list<int> midiHighToLow) {
    std::vector<quint8> notes;
    for (int midi : midiHighToLow)
        notes.push_back(quint8(96 - midi));
    return notes;
}

SampleModule Instrument(const char* name, std::initializer_list<int> midiHighToLow) {
    SampleModule m;
    m.name = QString::fromUtf8(name);
    m.tuning = Strings(midiHighToLow);
    m.stringCount = quint8(m.tuning.size());
    m.transposition = 0;
    return m;
}

SampleModule Standard(const char* name = "Guitar") {
    return Instrument(name, {64, 59, 55, 50, 45, 40});
}
SampleModule DropD(const char* name = "Guitar") {
    return Instrument(name, {64, 59, 55, 50, 45, 38});
}
SampleModule Dadgad(const char* name = "Guitar") {
    return Instrument(name, {62, 57, 55, 50, 45, 38});
}
SampleModule OpenG(const char* name = "Guitar") {
    return Instrument(name, {62, 59, 55, 50, 43, 38});
}
SampleModule Bass(const char* name = "Bass") {
    return Instrument(name, {43, 38, 33, 28});
}
SampleModule Ukulele() {
    return Instrument("Ukulele", {69, 64, 60, 67});
}
SampleModule Banjo() {
    return Instrument("Banjo", {62, 59, 55, 50, 67});
}
SampleModule SevenString() {
    return Instrument("7-string guitar", {64, 59, 55, 50, 45, 40, 35});
}

struct Song {
    const char* path; // folder/file name, UTF-8
    const char* title;
    const char* author;
    const char* comments;
    int generation;
    int measures;
    int numerator;
    int denominator;
    int key;
    bool minor;
    std::vector<SampleModule> modules;
    const char* notes = "";
};

SampleFile ToSample(const Song& song) {
    SampleFile f;
    f.generation = quint8(song.generation);
    if (song.generation >= 10)
        f.versionWord = song.generation >= 12 ? 0x0302 : 0x0301;
    f.title = QString::fromUtf8(song.title);
    f.subtitle = QString::fromUtf8(song.author);
    f.comments = QString::fromUtf8(song.comments);
    f.notes = QString::fromUtf8(song.notes);
    f.measures = quint16(song.measures);
    f.numerator = quint8(song.numerator);
    f.denominator = quint8(song.denominator);
    f.keySignature = song.key;
    f.minor = song.minor;
    f.modules = song.modules;
    if (!song.modules.empty() && song.generation == 0) {
        // Generation 0 keeps one six-string tuning in its fixed block.
        for (int k = 0; k < 6 && k < int(song.modules[0].tuning.size()); ++k)
            f.fixedTuning[k] = song.modules[0].tuning[k];
    }
    // The newer layout keeps the key as an unsigned byte: its files here have no flats.
    // Realistic variable parts for the older layout: a few tables and blocks to skip.
    if (song.generation < 10) {
        f.tableWordCount = quint16(song.measures);
        f.tablePairCount = 4;
        f.blockLengths = {12, 40, 6};
        f.firstGroupCount = 2;
        f.shortRecordCount = 3;
    }
    return f;
}

const std::vector<Song>& Songs() {
    static const std::vector<Song> songs = {
        // clang-format off
        // Traditional songs, the oldest files of the collection.
        {"Folk/Greensleeves.zuf", "Greensleeves", "Traditional", "Arranged for solo guitar", 2, 32,
         6, 8, 0, true, {Standard()}, "Play the bass notes with the thumb."},
        {"Folk/Scarborough Fair.zuf", "Scarborough Fair", "Traditional", "Dorian mode", 3, 24, 3, 4,
         0, true, {Dadgad()}, "Capo on the 7th fret."},
        {"Folk/The Water Is Wide.tab", "The Water Is Wide", "Traditional", "", 1, 16, 4, 4, 0,
         false, {Standard(), Bass()}},
        {"Folk/Shenandoah.zuf", "Shenandoah", "Traditional", "Slow, with feeling", 0, 20, 4, 4, -1,
         false, {Standard()}},
        {"Folk/Wildwood Flower.zuf", "Wildwood Flower", "The Carter Family", "Thumb-brush style", 4,
         48, 4, 4, 0, false, {Standard(), Banjo()}},
        {"Folk/Salty Dog Blues.tab", "Salty Dog Blues", "Traditional", "Bluegrass", 12, 36, 4, 4, 0,
         false, {Banjo(), Standard(), Bass()}, "Rolls: forward-reverse."},
        {"Folk/Danny Boy.zuf", "\"Danny Boy\"", "Frederic Weatherly", "Londonderry Air", 3, 32, 4,
         4, -3, false, {Standard()}},

        // Classical guitar pieces, with accented names.
        {"Klassik für Gitarre/Lágrima.zuf", "Lágrima", "Francisco Tárrega", "Preludio", 12, 24, 3,
         4, 4, false, {Standard()}, "E major, then E minor in the second part."},
        {"Klassik für Gitarre/Recuerdos de la Alhambra.zuf", "Recuerdos de la Alhambra",
         "Francisco Tárrega", "Tremolo study", 12, 64, 3, 4, 0, true, {Standard()},
         "p-a-m-i tremolo throughout.\r\nKeep the melody even."},
        {"Klassik für Gitarre/Für Elise.tab", "Für Elise", "Ludwig van Beethoven",
         "Bagatelle No. 25", 10, 104, 3, 8, 0, true, {Standard()}},
        {"Klassik für Gitarre/Gymnopédie No. 1.zuf", "Gymnopédie No. 1", "Erik Satie",
         "Lent et douloureux", 12, 78, 3, 4, 1, false, {DropD()}},
        {"Klassik für Gitarre/Bourrée in E minor.zuf", "Bourrée in E minor",
         "Johann Sebastian Bach", "BWV 996", 5, 24, 2, 2, 1, true, {Standard()}},
        {"Klassik für Gitarre/Canon in D.zuf", "Canon in D", "Johann Pachelbel", "Two guitars", 12,
         57, 4, 4, 2, false, {DropD("Guitar I"), DropD("Guitar II")}},
        {"Klassik für Gitarre/Estudio Op. 60 No. 7.zuf", "Estudio Op. 60 No. 7", "Matteo Carcassi",
         "", 4, 40, 2, 4, 0, true, {Standard()}},
        {"Klassik für Gitarre/Romanza.tab", "Romanza", "Anónimo", "Spanish romance", 3, 48, 3, 4, 1,
         true, {Standard()}, "Arpeggio p-a-m-i."},
        {"Klassik für Gitarre/El Noi de la Mare.zuf", "El Noi de la Mare",
         "Popular catalana (arr. Miguel Llobet)", "", 12, 16, 6, 8, 1, false, {Standard()}},

        // Blues and jazz.
        {"Blues & Jazz/St. James Infirmary.zuf", "St. James Infirmary", "Traditional",
         "Minor blues", 12, 16, 4, 4, 0, true, {Standard(), Bass(), Instrument("Trumpet", {})}},
        {"Blues & Jazz/Frankie and Johnny.zuf", "Frankie and Johnny", "Traditional", "", 3, 12, 4,
         4, 0, false, {Standard()}},
        {"Blues & Jazz/Careless Love.tab", "Careless Love", "W. C. Handy", "Slow blues", 4, 16, 4,
         4, -1, false, {Standard(), Bass()}},
        {"Blues & Jazz/Walking bass in F.zuf", "Walking bass in F", "Lesson 12",
         "Quarter notes, chord tones on 1 and 3", 5, 12, 4, 4, -1, false, {Bass("Fretless")}},
        {"Blues & Jazz/Open G slide.zuf", "Open G slide", "Delta style", "Bottleneck", 12, 24, 4, 4,
         1, false, {OpenG("Slide guitar")}, "Slide over the 12th fret."},
        {"Blues & Jazz/Seven string study.zuf", "Seven-string study", "Lesson 3", "", 12, 8, 4, 4,
         0, false, {SevenString()}},
        {"Blues & Jazz/Band arrangement.zuf", "Band arrangement", "Big band", "Full score", 12, 96,
         4, 4, 2, false,
         {Standard("Rhythm guitar"), Standard("Lead guitar"), Bass(), Instrument("Piano", {}),
         Instrument("Drums", {}), Instrument("Trumpet", {}), Instrument("Trombone", {}),
         Instrument("Alto sax", {}), Instrument("Tenor sax", {}), Instrument("Vocals", {})},
         "Intro: 4 bars\tVerse: 16 bars\tChorus: 8 bars"},

        // Lessons and exercises, a mix of both generations.
        {"Lessons/Amazing Grace (ukulele).zuf", "Amazing Grace", "John Newton", "Ukulele, GCEA", 12,
         16, 3, 4, 0, false, {Ukulele()}},
        {"Lessons/Sakura Sakura.tab", "Sakura Sakura", "Traditional Japanese", "", 10, 14, 4, 4, 0,
         true, {Standard()}},
        {"Lessons/Ode to Joy.zuf", "Ode to Joy", "Ludwig van Beethoven", "First melody", 2, 16, 4,
         4, 1, false, {Standard()}},
        {"Lessons/Minuet in G.zuf", "Minuet in G", "Christian Petzold", "BWV Anh. 114", 3, 32, 3, 4,
         1, false, {Standard()}},
        {"Lessons/Picking pattern 1.tab", "Picking pattern 1", "Lesson 1", "Travis picking", 0, 8,
         4, 4, 0, false, {Standard()}},
        {"Lessons/Jesu, Joy of Man's Desiring.zuf", "Jesu, Joy of Man's Desiring",
         "Johann Sebastian Bach", "BWV 147", 12, 40, 9, 8, 1, false, {DropD()}},
        {"Lessons/Scales in all keys.zuf", "Scales in all keys", "Exercises", "Circle of fifths", 5,
         60, 4, 4, -6, false, {Standard()}},
        {"Lessons/House of the Rising Sun.zuf", "House of the Rising Sun", "Traditional",
         "Arpeggios in 6/8", 11, 16, 6, 8, 0, true, {Standard(), Bass()}},
        // clang-format on
    };
    return songs;
}

bool WriteDamagedFiles(const QString& dir) {
    bool ok = true;
    // A download that broke off in the middle of its module records.
    SampleFile cut;
    cut.title = QStringLiteral("Broken download");
    cut.modules = {Standard(), Bass()};
    QByteArray bytes = BuildSampleFile(cut);
    bytes.chop(60);
    ok &= WriteSampleFile(dir + QStringLiteral("/Lessons/Broken download.zuf"), bytes);
    // A file that was created but never written.
    ok &= WriteSampleFile(dir + QStringLiteral("/Lessons/Untitled.zuf"), QByteArray(512, '\0'));
    // A text file that happens to carry the extension.
    ok &= WriteSampleFile(dir + QStringLiteral("/Folk/chords.tab"),
                          QByteArray("Am  G  F  E\nC  G  Am  F\n"));
    // Something else that the catalogue leaves out.
    ok &= WriteSampleFile(dir + QStringLiteral("/Folk/cover.txt"), QByteArray("Folk songs\n"));
    return ok;
}

} // namespace

// The name of the marker file written into every demo library.
static constexpr char DemoLibraryMarker[] = ".made-by-make-demo-library";

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fputs("usage: make-demo-library DIR\n", stderr);
        return 2;
    }
    const QString dir = QDir(args[1]).absolutePath();
    int written = 0;
    bool ok = true;
    for (const Song& song : Songs()) {
        const QString path = dir + u'/' + QString::fromUtf8(song.path);
        if (WriteSampleFile(path, ToSample(song)))
            ++written;
        else
            ok = false;
    }
    ok &= WriteDamagedFiles(dir);
    // The marker tells ./run.sh that this folder is the maker's own and may be replaced; a
    // folder without it holds someone's files and is left alone.
    QFile marker(dir + u'/' + QLatin1String(DemoLibraryMarker));
    ok &= marker.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
          marker.write("Made by make-demo-library: ./run.sh replaces this folder on every run.\n") >
              0;
    marker.close();
    std::printf("%d files written below %s\n", written + 4, qPrintable(dir));
    return ok ? 0 : 1;
}
