#include "foundation/texts.h"

#include "foundation/errors.h"
#include "foundation/file_io.h"
#include "foundation/labels_line.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <filesystem>
#include <memory>
#include <vector>

namespace {
constexpr char kCaptionStart = '\xBB';
constexpr char kCaptionEnd = '\xAB';

// Texts the program keeps in fixed-width slots from start-up. Add a row for every text shown so often that it
// is kept rather than looked up; keep the table ascending by number (FillTextSlots reads it in one pass).
constexpr std::array kTextSlots{
    // Money words: 189 also chooses the style (numbers or words) of every amount shown.
    TTextSlot{189, 20}, TTextSlot{190, 20}, TTextSlot{191, 20}, TTextSlot{192, 20}, TTextSlot{193, 20},
    TTextSlot{194, 20}, TTextSlot{195, 20}, TTextSlot{196, 20}, TTextSlot{197, 20},
};

std::unique_ptr<TLabelsFile>& CurrentFile() {
    static std::unique_ptr<TLabelsFile> file;
    return file;
}

struct SlotState {
    bool filled = false;
    std::vector<std::string> texts; // one per row of kTextSlots
};
SlotState& Slots() {
    static SlotState state;
    return state;
}

const TTextSlot* FindSlot(int number, std::size_t* index) {
    const auto it = std::lower_bound(kTextSlots.begin(), kTextSlots.end(), number,
                                     [](const TTextSlot& s, int n) { return s.number < n; });
    if (it == kTextSlots.end() || it->number != number) return nullptr;
    *index = static_cast<std::size_t>(it - kTextSlots.begin());
    return &*it;
}
} // namespace

TLabelsFile::TLabelsFile(const std::string& path) : path_(path) {
    // A folder, a pipe or a device under the file's name, or a file far larger than any language's texts,
    // is refused before a line is read.
    try {
        CheckReadableFile(path, kMaxTextFileSize);
        file_.open(path, std::ios::binary);
    } catch (const EInOutError&) {}
    if (!file_.is_open()) throw EFileNotFound(path + " not found or is invalid.");
}

void TLabelsFile::Rewind() {
    file_.clear();
    file_.seekg(0);
    count_ = 0;
    buffer_.clear();
}

bool TLabelsFile::AtEnd() {
    return file_.peek() == std::ifstream::traits_type::eof();
}

void TLabelsFile::ReadLine() {
    std::getline(file_, buffer_);
    if (!buffer_.empty() && buffer_.back() == '\r') buffer_.pop_back();
}

std::string TLabelsFile::GetText(int n) {
    if (n < count_) Rewind();
    while (count_ < n && !AtEnd()) {
        ReadLine();
        ++count_;
    }
    if (AtEnd() || buffer_ == "X" || buffer_.size() < 3) return {};
    return DecodeLabelsLine(buffer_);
}

void OpenLabelsFile(const std::string& path) {
    auto file = std::make_unique<TLabelsFile>(path);
    CurrentFile() = std::move(file);
    Slots() = SlotState{};
}

void CloseLabelsFile() {
    CurrentFile().reset();
    Slots() = SlotState{};
}

bool LabelsFileIsOpen() {
    return CurrentFile() != nullptr;
}

std::string GetText(int n) {
    return CurrentFile() ? CurrentFile()->GetText(n) : std::string{};
}

std::string CaptionOfText(std::string_view text) {
    const std::string whole = std::string(text) + " ";
    if (whole.front() != kCaptionStart) return whole;
    const std::size_t end = whole.find(kCaptionEnd);
    if (end == std::string::npos) return whole;
    return whole.substr(1, end - 1);
}

std::string HintOfText(std::string_view text) {
    const std::string whole = std::string(text) + " ";
    const std::size_t end = whole.find(kCaptionEnd);
    if (whole.front() == kCaptionStart && end != std::string::npos) return whole.substr(end + 1);
    return whole;
}

std::string GetCaptionText(int n) {
    return n <= 0 ? std::string{} : CaptionOfText(GetText(n));
}

std::string GetHintText(int n) {
    return n <= 0 ? std::string{} : HintOfText(GetText(n));
}

std::string GetTextByNumberString(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    if (!s.empty() && s.front() == '+') {
        s.remove_prefix(1);
        if (!s.empty() && s.front() == '-') return {};
    }
    int n = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
    if (s.empty() || ec != std::errc{} || end != s.data() + s.size()) return {};
    return GetText(n);
}

std::span<const TTextSlot> TextSlots() {
    return kTextSlots;
}

void FillTextSlots() {
    SlotState state;
    state.texts.reserve(kTextSlots.size());
    for (const TTextSlot& slot : kTextSlots)
        state.texts.push_back(GetText(slot.number).substr(0, static_cast<std::size_t>(slot.width)));
    state.filled = true;
    Slots() = std::move(state);
}

std::string SlotText(int number) {
    std::size_t index = 0;
    const TTextSlot* slot = FindSlot(number, &index);
    if (!slot) return GetText(number);
    if (Slots().filled) return Slots().texts[index];
    return GetText(number).substr(0, static_cast<std::size_t>(slot->width));
}
