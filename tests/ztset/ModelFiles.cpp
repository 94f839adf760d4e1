#include "ModelFiles.h"

#include <algorithm>
#include <fstream>
#include <regex>
#include <sstream>

#include "config/MediaTable.h"

std::vector<std::pair<int, std::string>> PpdMedia(const std::string& ppdPath) {
    std::ifstream file(ppdPath, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    const std::string text = content.str();
    std::vector<std::pair<int, std::string>> media;
    const std::regex line(R"(\*MediaType Media(\d+)/([^:]*):)");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), line);
         it != std::sregex_iterator(); ++it)
        media.emplace_back(std::stoi((*it)[1]), (*it)[2]);
    return media;
}

std::vector<int> OfferedMediaIds() {
    const MediaTable table(SERVATO_SOURCE_DIR "/settings/");
    std::vector<int> ids;
    for (const MediaRecord& record : table.Records()) {
        if (record.mediaCode != -1 &&
            std::find(ids.begin(), ids.end(), record.mediaId) == ids.end())
            ids.push_back(record.mediaId);
    }
    return ids;
}
