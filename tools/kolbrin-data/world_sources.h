#pragma once
// The readable sources of the shipped world (data/world/, described in its README.md): countries with
// their names per language, the country groups, the flag designs, the clubs and the referees. The readers
// convert every text from UTF-8 to Windows-1252 and refuse, with the file and line in the message, any
// value the data files could not hold: an unknown position, a level outside 1..20, a name too long for its
// field, a character Windows-1252 has no place for.
#include <cstdint>
#include <string>
#include <vector>

struct TWorldCountry {
    std::string code;               // 3 characters
    std::string code2;              // at most 3 characters
    std::vector<std::string> names; // one per language of TWorldCountries::languages, at most 20 characters
};

struct TWorldCountries {
    std::vector<std::string> languages; // two-character language codes, in column order
    std::vector<TWorldCountry> countries;
    const TWorldCountry* Find(const std::string& code) const;
};

struct TWorldGroup {
    std::string fileName; // "bosman.txe"
    std::string header;   // the file's first string
    std::vector<std::string> codes;
};

struct TWorldFlag {
    std::string code;
    std::string drawing; // the layers, separated by ";"
};

struct TWorldPlayer {
    int position = 0; // 0 goalkeeper .. 3 forward
    std::string name;
    std::string nationality;
    int age = 0;
    int behaviour = 0;
    bool star = false;
};

struct TWorldClub {
    std::string where; // "file:line" of the club line, for messages
    std::string country;
    int level = 0;
    std::string name;
    std::string shortName;
    std::int32_t color1 = 0; // Windows colour values (0x00BBGGRR)
    std::int32_t color2 = 0;
    std::string coach;
    std::vector<TWorldPlayer> players;
};

struct TWorldReferee {
    std::string country;
    std::string name;
};

// Each reader throws std::runtime_error("<file>:<line>: <reason>") on a malformed source.
TWorldCountries ReadWorldCountries(const std::string& path);
std::vector<TWorldGroup> ReadWorldGroups(const std::string& path);
std::vector<TWorldFlag> ReadWorldFlags(const std::string& path);
std::vector<TWorldClub> ReadWorldClubs(const std::string& path);
// Every "*.txt" of the folder in file-name order, so the clubs come out in the same order everywhere.
std::vector<TWorldClub> ReadWorldClubFolder(const std::string& folder);
std::vector<TWorldReferee> ReadWorldReferees(const std::string& path);

// The team file name of a club: the letters and digits of its short name, accents taken off
// ("Académico Sobral" -> "AcademicoSobral"), then ".kbt". Throws when nothing is left.
std::string WorldTeamFileName(const std::string& shortName);

// "#RRGGBB" as a Windows colour value 0x00BBGGRR.
std::int32_t WindowsColourFromHex(const std::string& hex);

// The world sources folder below a data source folder.
std::string WorldSourceDir(const std::string& sourceDir);
