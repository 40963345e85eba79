#include "tests/engine/run_fixture.h"

#include "engine/window_messages.h"

namespace vantrelle::sim {

Table oneItem(std::int64_t t, const AnsiText& entry) {
    return Table{posted(t + 100, "tasklist", WM_KEYDOWN, 13, 0),
                 posted(t + 200, "tasklist", WM_KEYUP, 13, 0),
                 cursorTo(t + 1300, kTitlePoint.x, kTitlePoint.y)} +
           clipboardPut(t + 1300, entry) + Table{posted(t + 1800, "title", WM_KEYDOWN, 8, 0)} +
           typed(t + 3800, "title", entry) + Table{cursorTo(t + 3900, kTagsPoint.x, kTagsPoint.y)} +
           typed(t + 4100, "tags", entry) + Table{cursorTo(t + 4200, kDescriptionPoint.x, kDescriptionPoint.y)} +
           typed(t + 4400, "description", entry) +
           Table{cursorTo(t + 5400, kChooserPoint.x, kChooserPoint.y),
                 mouseInput(t + 5500, 0x0006, kChooserPoint.x, kChooserPoint.y),
                 posted(t + 6000, "chooser", WM_KEYDOWN, 40, 0),
                 posted(t + 6100, "chooser", WM_KEYUP, 40, 0),
                 posted(t + 6200, "chooser", WM_KEYDOWN, 13, 0),
                 posted(t + 6300, "chooser", WM_KEYUP, 13, 0),
                 cursorTo(t + 6800, kClosingPoint.x, kClosingPoint.y),
                 mouseInput(t + 6900, 0x0006, kClosingPoint.x, kClosingPoint.y),
                 posted(t + 8900, "tasklist", WM_KEYDOWN, 40, 0),
                 posted(t + 9000, "tasklist", WM_KEYUP, 40, 0)};
}

std::vector<SimVideo> someVideos(int count) {
    std::vector<SimVideo> videos;
    for (int k = 1; k <= count; ++k)
        videos.push_back(SimVideo{"第" + std::to_string(k) + "集 旅行日记", "标签" + std::to_string(k),
                                  "描述" + std::to_string(k), k % 3});
    return videos;
}

void installUploaderWithVideos(SimDesktop& d, SimUploader& u, int videoCount) {
    u.videos = someVideos(videoCount);
    installUploader(d, u);
}

AnsiText typedInto(const SimDesktop& d, const std::string& name) {
    AnsiText bytes;
    for (const SimEvent& e : d.log())
        if (e.kind == EventKind::Post && e.msg == WM_CHAR && d.nameOf(e.target) == name)
            bytes += static_cast<char>(e.wParam & 0xFF);
    return bytes;
}

int postCount(const SimDesktop& d, const std::string& name, unsigned msg, std::uintptr_t wParam) {
    int n = 0;
    for (const SimEvent& e : d.log())
        if (e.kind == EventKind::Post && e.msg == msg && e.wParam == wParam && d.nameOf(e.target) == name) ++n;
    return n;
}

Table keepInput(const Table& table) {
    Table t;
    for (const Row& r : table)
        if (r.kind == EventKind::Post || r.kind == EventKind::MouseEvent || r.kind == EventKind::SetCursorPos)
            t.push_back(r);
    return t;
}

Table inputOnly(const SimDesktop& d) { return keepInput(effects(d)); }

Table upTo(const Table& table, std::int64_t last) {
    Table t;
    for (const Row& r : table)
        if (r.time <= last) t.push_back(r);
    return t;
}

RunResult runWithCountSource(SimDesktop& d, const std::function<AnsiText(std::int64_t)>& countAt,
                             const StopRequest& stop) {
    RunResult result;
    d.setMessageBoxDelay(kMessageBoxMs);
    CountSource source = [&] {
        result.countReads.push_back(d.now());
        return countAt(d.now());
    };
    EditingRun(d, source, stop);
    return result;
}

RunResult runWithCount(SimDesktop& d, const AnsiText& countText, const StopRequest& stop) {
    return runWithCountSource(d, [countText](std::int64_t) { return countText; }, stop);
}

}  // namespace vantrelle::sim
