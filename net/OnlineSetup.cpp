#include "net/OnlineSetup.h"

#include <sstream>
#include <vector>

#include "net/NetLink.h"

bool ParseOnlineSetup(const char* commandLine, OnlineSetup* setup, std::string* error) {
    *setup = OnlineSetup();
    std::istringstream in(commandLine ? commandLine : "");
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    for (size_t i = 1; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (w != "--host" && w != "--join" && w != "--delay") continue;
        if (i + 1 >= words.size()) return *error = w + " necesita un valor", false;
        const std::string& value = words[++i];
        if (w == "--host") {
            if (setup->wanted) return *error = "--host y --join no van juntos", false;
            if (!ParsePort(value, &setup->port)) return *error = "puerto no valido: " + value, false;
            setup->wanted = setup->host = true;
        } else if (w == "--join") {
            if (setup->wanted) return *error = "--host y --join no van juntos", false;
            if (!ParseHostPort(value, &setup->address, &setup->port))
                return *error = "se espera HOST:PUERTO, no " + value, false;
            setup->wanted = true;
        } else {
            if (value.size() != 1 || value[0] < '0' || value[0] > '3')
                return *error = "--delay va de 0 a 3, no " + value, false;
            setup->delay = value[0] - '0';
        }
    }
    if (setup->delay >= 0 && !setup->wanted) return *error = "--delay sin --host ni --join", false;
    return true;
}
