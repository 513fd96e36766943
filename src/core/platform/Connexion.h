// What any store of the program answers when it cannot do what was asked:
// the fault in a few kinds that the windows tell in plain words, and a value
// read or the reason it could not be.
#pragma once

#include <QString>

enum class ProblemeBase {
    Aucun,
    Absent,         // no file of that name
    Inaccessible,   // the file or its folder cannot be read or written
    PasUneBase,     // not an SQLite file, damaged, or without the expected table
    LectureSeule,   // the file cannot be written
    Verrouille,     // another program holds it longer than we wait
    DisquePlein,
    Introuvable,    // what was to be deleted is not there any more
};

template<typename T>
struct Lecture
{
    T valeur{};
    ProblemeBase probleme = ProblemeBase::Aucun;
    explicit operator bool() const { return probleme == ProblemeBase::Aucun; }
};

// A table or column name as SQL reads it, quoted.
QString NomSql(const QString& nom);
