#pragma once

#include <QString>

// Facts about the user the program runs for.
class MacOSAPI
{
public:
    MacOSAPI() = delete;

    // The login name of the effective user, from the password database;
    // the USER variable when the database has no entry for the user (a
    // container without one, for instance); empty when neither exists.
    static QString userName();
};
