#pragma once
// The texts the information panel shows for the current file, composed from FileSummary. The
// window paints them; zuflist --info prints them.

#include <QString>
#include <QStringView>
#include <array>

struct FileSummary;

// One entry of the key name tables: an index into NoteNames and the accidental ('b', '#', or
// 0 for none).
struct KeyName {
    int note;
    char16_t accidental;
};

// Indexed by keySignature + 7, for key signatures -7 to 7.
extern const std::array<KeyName, 15> KeyNamesMajor;
extern const std::array<KeyName, 15> KeyNamesMinor;

// The labels drawn at the left of the values block.
inline constexpr QStringView PanelLabelsText = u"Format\nMeasures\nTime Signature\nKey Signature";

// "3.1", "3.1 a" from the version word (high byte major, low byte minor, hexadecimal) and the
// extra number; when versionWord is 0 the version that `generation` stands for: 1.30, 1.60,
// 1.90, 2.00, 2.50, or 2.62 for 5 and above.
QString FormatText(quint16 versionWord, quint16 versionExtra, quint16 generation);
QString MeasuresText(quint16 measures);
// "6/8": numerator in the high byte, denominator in the low byte.
QString TimeSignatureText(quint16 timeSignature);
// "Bb M", "F# m". A key signature outside -7..7 has no name: it reads as the number of sharps
// or flats, "8 # m", "9 b M".
QString KeyText(qint16 keySignature, qint16 minorKey);

// The four value lines beside the labels, separated by "\n", with no line break at the end.
QString PanelValuesText(const FileSummary& summary);

// "Module 3" for index 2.
QString ModuleLabel(int index);
// The part of a module name the panel shows: at most its first 31 characters.
QString ModuleNameText(const QString& name);
// The number of module lines the panel offers: lastModule + 1, at most 16.
int ModuleLineCount(quint16 lastModule);
