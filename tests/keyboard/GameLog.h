#pragma once
// The game's log without the two banner lines that carry the tick count.
#include <sstream>
#include <string>

inline std::string LogWithoutTicks(const std::string& log) {
    std::istringstream in(log);
    std::string line, kept;
    while (std::getline(in, line))
        if (line.find("Fichero de Log Iniciado") == std::string::npos &&
            line.find("Fin del log") == std::string::npos)
            kept += line + "\n";
    return kept;
}
