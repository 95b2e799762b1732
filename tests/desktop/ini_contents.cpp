#include "ini_contents.h"

#include <fstream>

IniContents ReadIniContents(const std::string& file)
{
    IniContents contents;
    std::ifstream in(file);
    std::string section;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        if (line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            contents[section];
        } else if (const size_t equals = line.find('='); equals != std::string::npos) {
            contents[section][line.substr(0, equals)] = line.substr(equals + 1);
        } else {
            contents[section]["!malformed"] += line;
        }
    }
    return contents;
}
