#pragma once
// Information from file names: a pattern such as "%author% - %title%" read against each file's
// name (without its extension) gives the texts of the fields it names. The text between the
// fields must stand in the name as it is, case and all; each field takes the shortest text
// that lets the rest of the pattern match, from the left, and the last field takes the rest.
// Each text is taken without the spaces at its ends.

#include "fileops/info_batch.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <optional>
#include <vector>

struct NamePattern {
    struct Piece {
        bool isField = false;
        int field = -1; // a field: InfoField, or -1 for %skip%
        QString text;   // a literal: the text the name must hold there
    };
    // Literals and fields; two fields never stand side by side.
    std::vector<Piece> pieces;
    bool valid = false;
};

// Reads a pattern. Fields are %title%, %author% or %subtitle% (the same field), %comments% and
// %skip% (a part of the name to pass over), in any case; "%%" stands for "%". A field other
// than %skip% may appear once. A pattern that cannot be read (empty, no field but %skip%, an
// unknown or unended field, two fields without text between them, a field twice) comes back
// not valid, with the reason in `error` (translated) and its place in the text in `errorPos`.
NamePattern ParseNamePattern(QStringView text, QString* error = nullptr, int* errorPos = nullptr);

// The fields as they are written in a pattern, for a menu that inserts them.
QStringList NamePatternFields();

// The texts a name gives the fields of the pattern (each named field has one, perhaps empty);
// nothing when the name does not match. `name` is the file's whole name: its extension is not
// part of the match.
using NameTexts = std::array<std::optional<QString>, InfoFieldCount>;
std::optional<NameTexts> MatchName(const NamePattern& pattern, QStringView name);

// The edit a match makes: the fields the name gives are set, the others kept.
InfoEdit NameTextsEdit(const NameTexts& texts);
