#include "HostOptions.h"

THostOptions ParseHostOptions(const QStringList& arguments) {
    THostOptions options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        auto value = [&]() -> QString {
            if (i + 1 < arguments.size()) return arguments[++i];
            options.error = argument + " needs a value";
            return {};
        };
        auto number = [&](const char* what) {
            bool ok = false;
            const qlonglong read = value().toLongLong(&ok);
            if (!ok && options.error.isEmpty()) options.error = argument + " needs " + what;
            return int(read);
        };
        if (argument == "--return") {
            options.returnFile = value();
        } else if (argument == "--key") {
            options.keyText = value();
        } else if (argument == "--script") {
            options.scriptFile = value();
        } else if (argument == "--start") {
            options.startScreen = number("a screen id");
        } else if (argument == "--shots") {
            options.shotsFolder = value();
        } else if (argument == "--shot-suffix") {
            options.shotsSuffix = value();
        } else if (argument == "--monkey") {
            options.monkey = true;
            options.monkeySeed = quint32(number("a seed"));
        } else if (argument == "--steps") {
            options.monkeySteps = number("a number");
        } else if (argument == "--seconds") {
            options.monkeySeconds = number("a number");
        } else if (argument.compare("SVCTOOLS", Qt::CaseInsensitive) != 0 &&
                   argument.compare("/V", Qt::CaseInsensitive) != 0 &&
                   !argument.startsWith("-platform")) {
            options.error = "unknown argument " + argument;
        }
    }
    return options;
}

QString HostUsage() {
    return "usage: quellet-host [--return FILE] [--key TEXT] [--start ID] [--script FILE] "
           "[--monkey SEED [--steps N] [--seconds S]] [--shots FOLDER [--shot-suffix TEXT]] "
           "[SVCTOOLS] [/V]";
}
