// Typing into, replacing in and undoing edits of a large document, each
// against a plain memmove of the same bytes measured in the same run. Prints
// the ratios; the editor also patches the line table and keeps the histories,
// so a small multiple of the baseline is the goal. Last, keeping the widest
// line through typing, against measuring every line at each key: a small
// fraction is the goal.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "editview/model/editing.h"
#include "editview/view/widest_line.h"
#include "quiet_events.h"

namespace {

using velmo::EditResult;
using Clock = std::chrono::steady_clock;

template <typename Work>
double Milliseconds(Work work) {
    auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void Report(const char* what, double editor, double baseline) {
    std::printf("%-28s editor %9.1f ms   memmove %9.1f ms   ratio %6.2f\n", what, editor, baseline, editor / baseline);
}

std::string Document(std::size_t lines) {
    std::string text;
    for (std::size_t i = 0; i < lines; ++i) {
        text += "The quick brown fox jumps over the lazy dog, line " + std::to_string(i) + "\r\n";
    }
    return text;
}

// The same byte moves as the edits, on a plain vector.
double BaselineMoves(std::string text, std::size_t at, std::size_t count, std::size_t removed, std::size_t inserted,
                     std::size_t step) {
    std::vector<char> bytes(text.begin(), text.end());
    bytes.resize(text.size() + count * (inserted > removed ? inserted - removed : 0) + 1);
    std::size_t length = text.size();
    return Milliseconds([&] {
        for (std::size_t i = 0; i < count; ++i, at += step) {
            std::memmove(&bytes[at + inserted], &bytes[at + removed], length - at - removed);
            std::memset(&bytes[at], 'x', inserted);
            length += inserted - removed;
        }
    });
}

velmo::TextStore* widthStore = nullptr;
velmo::CharWidthTable widthTable;
velmo::WidestLineRecord widestRecord;
std::uint64_t measuredWidth = 0;

velmo::MeasuredText Measured() {
    return velmo::MeasuredText{widthStore->Lines(), widthStore->Buffer().base, widthTable};
}

void KeepWidest(const velmo::EditedSpan& span) { widestRecord.AfterEdit(Measured(), span.offset, span.inserted); }

void MeasureAll(const velmo::EditedSpan&) {
    measuredWidth = velmo::FindWidestLine(widthStore->Lines(), widthStore->Buffer().base, widthTable).width;
}

// Typing in the middle while the widest line is kept, against a measure of
// every line per key; both after the editor's own work.
void CompareWidestLine(velmo::TextStore& store, velmo::bench::QuietEvents& events, velmo::Editor& editor,
                       std::uint32_t at) {
    widthStore = &store;
    std::uint32_t font[256];
    for (std::uint32_t& w : font) w = 8;
    widthTable.SetFontWidths(font);
    store.Buffer().Lock(store.Heap());
    widestRecord.Measure(Measured());
    store.Buffer().Unlock(store.Heap());
    const std::size_t typed = 2000;
    auto type = [&](void (*edited)(const velmo::EditedSpan&)) {
        events.edited = edited;
        store.SetSelection(at, at);
        return Milliseconds([&] {
            for (std::size_t i = 0; i < typed; ++i) editor.Type(i % 7 == 0 ? '\r' : 'x', false);
        });
    };
    double kept = type(KeepWidest);
    double measured = type(MeasureAll);
    events.edited = nullptr;
    std::printf("%-28s kept %11.1f ms   measured %8.1f ms   ratio %6.3f\n", "widest line while typing", kept,
                measured, kept / measured);
    store.Buffer().Lock(store.Heap());
    if (widestRecord.Current(Measured()).width != measuredWidth) std::printf("widest line differs!\n");
    store.Buffer().Unlock(store.Heap());
}

}  // namespace

int main() {
    velmo::TextStore store(velmo::SystemHeap());
    velmo::bench::QuietEvents events;
    velmo::Editor editor(store, events);
    if (!store.Create()) return 1;
    const std::string text = Document(20000);
    const std::uint32_t middle = static_cast<std::uint32_t>(text.size() / 2);
    std::printf("document: %zu bytes, %d lines\n", text.size(), 20001);

    velmo::BlockHandle block = velmo::SystemHeap().Allocate(text.size(), true);
    std::memcpy(velmo::SystemHeap().Lock(block), text.data(), text.size());
    velmo::BlockHandle first = store.Buffer().handle;
    store.SetText(block, static_cast<std::uint32_t>(text.size()));
    velmo::SystemHeap().Free(first);

    const std::size_t typed = 3000;
    store.SetSelection(middle, middle);
    double typing = Milliseconds([&] {
        for (std::size_t i = 0; i < typed; ++i) editor.Type(i % 7 == 0 ? '\r' : 'x', false);
    });
    Report("typing in the middle", typing, BaselineMoves(text, middle, typed, 0, 1, 1));

    double undoing = Milliseconds([&] {
        while (editor.UndoSteps() > 0) editor.Undo();
    });
    Report("undoing every key", undoing, BaselineMoves(text, middle, typed, 1, 0, 0));

    const std::size_t replaced = 1000;
    const std::string with = "replacement\r\ntext\r\n";
    double replacing = Milliseconds([&] {
        for (std::size_t i = 0; i < replaced; ++i) {
            std::uint32_t at = middle / 2 + static_cast<std::uint32_t>(i * 50);
            store.SetSelection(at, at + 40);
            editor.ReplaceSelection(reinterpret_cast<const std::uint8_t*>(with.data()),
                                    static_cast<std::uint32_t>(with.size()), true);
        }
    });
    Report("replacing 40 by 19 bytes", replacing, BaselineMoves(text, middle / 2, replaced, 40, with.size(), 50));
    CompareWidestLine(store, events, editor, middle);
    store.Destroy();
    return 0;
}
