#pragma once
// The replacement host's command line.

#include <QString>
#include <QStringList>

struct THostOptions {
    QString returnFile; // empty: the demo return
    QString keyText = "12345678";
    int startScreen = 7803;
    QString scriptFile;  // set: run the scenario and exit with its result
    bool monkey = false; // run a seeded random user instead (HostMonkey)
    quint32 monkeySeed = 1;
    int monkeySteps = 500;
    int monkeySeconds = 20;
    QString shotsFolder; // set: save a picture of every screen there and exit (HostShots)
    QString shotsSuffix = "shot";
    QString error; // set when the command line could not be read
};

THostOptions ParseHostOptions(const QStringList& arguments);
QString HostUsage();
