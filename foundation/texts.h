#pragma once
// The labels file: every user-visible text of the program is a numbered line of the chosen language's labels
// file. The file stays open for the whole run and is read forwards; asking for a smaller number than the last
// one rewinds it, so callers that read many texts ask in increasing order.
#include <fstream>
#include <span>
#include <string>
#include <string_view>

class TLabelsFile {
public:
    // Raises EFileNotFound with path + " not found or is invalid." when the file cannot be opened, is not a
    // regular file (a folder, a pipe, a device) or is larger than kMaxTextFileSize.
    explicit TLabelsFile(const std::string& path);

    // The decoded text of line n. Empty for a line that is exactly "X", for a line shorter than 3 characters
    // and when the end of the file is reached (so the last line of a file never yields a text). A line that
    // fails its check raises EInvalidFile "Error in labels file".
    std::string GetText(int n);

    // Lines read since the file was opened or last rewound.
    int LinesRead() const { return count_; }
    const std::string& Path() const { return path_; }

private:
    void Rewind();
    bool AtEnd();
    void ReadLine();

    std::string path_;
    std::ifstream file_;
    int count_ = 0;
    std::string buffer_;
};

// The program-wide labels file. Opening replaces the current one (and forgets the text slots); without an
// open file every text is empty.
void OpenLabelsFile(const std::string& path);
void CloseLabelsFile();
bool LabelsFileIsOpen();

std::string GetText(int n);
// Captions and hints share one text: when it begins with 0xBB, the caption is what stands between the 0xBB
// and the first 0xAB and the hint is what follows that 0xAB. Both add one blank to the text first.
std::string GetCaptionText(int n);
std::string GetHintText(int n);
// The same split applied to a text already read.
std::string CaptionOfText(std::string_view text);
std::string HintOfText(std::string_view text);
// Item strings of lists hold text numbers: the text of the decimal number s, empty when s is not one.
std::string GetTextByNumberString(std::string_view s);

// The start-up text slots: texts read once after the labels file is open, each cut to its width.
struct TTextSlot {
    int number;
    int width; // 1 .. 30
};
// The table of slots, ascending by number.
std::span<const TTextSlot> TextSlots();
// Reads every slot from the current labels file (in ascending order, so the file is read once).
void FillTextSlots();
// The slot's text. Before FillTextSlots, or for a number that has no slot, the text is read from the labels
// file (cut to the slot's width when it has one).
std::string SlotText(int number);
