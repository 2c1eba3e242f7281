#pragma once
// A labels file with a few chosen texts, open for the life of the object; every other line holds "X".
// Closing it on destruction keeps the other tests free of texts. Used by the world and the club tests.
#include "foundation/labels_line.h"
#include "foundation/texts.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <unistd.h>

class TestLabels {
public:
    explicit TestLabels(const std::map<int, std::string>& texts) {
        path_ = std::filesystem::temp_directory_path() /
                ("kolbrin_test_labels_" + std::to_string(getpid()) + ".kbl");
        std::ofstream out(path_, std::ios::binary);
        const int last = texts.empty() ? 1 : texts.rbegin()->first + 1;
        for (int n = 1; n <= last; ++n) {
            const auto it = texts.find(n);
            out << (it == texts.end() ? std::string("X") : EncodeLabelsLine(it->second)) << "\r\n";
        }
        out.close();
        OpenLabelsFile(path_.string());
    }
    ~TestLabels() {
        CloseLabelsFile();
        std::error_code ec;
        std::filesystem::remove(path_, ec);
    }
    TestLabels(const TestLabels&) = delete;
    TestLabels& operator=(const TestLabels&) = delete;

private:
    std::filesystem::path path_;
};
