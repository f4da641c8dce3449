#include "printed_pdf.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace velmo::test {

namespace {

constexpr DWORD kPdfWaitMs = 60000;
constexpr DWORD kToolWaitMs = 30000;
constexpr DWORD kPollMs = 100;

// The Unix path as this process sees it: Wine maps the root to drive Z:.
std::string DosPath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

bool Exists(const std::string& dosPath) { return GetFileAttributesA(dosPath.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ReadFile(const std::string& dosPath) {
    std::ifstream in(dosPath, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Wine starts a Unix program without a process handle to wait on (the
// handles it returns are not ones to close), so the tool writes under a
// temporary name that is renamed once it succeeded, and a marker file tells
// of a failure. Empty on failure.
std::string ToolOutput(const std::string& tool, const std::string& arguments, const std::string& pdf) {
    static int calls = 0;
    // Wine reuses process ids from run to run: the time makes the name new.
    std::string base = "/tmp/velmo_pdf_" + std::to_string(GetCurrentProcessId()) + "_" +
                       std::to_string(GetTickCount()) + "_" + std::to_string(++calls);
    std::string command = "/bin/sh -c \"" + tool + " " + arguments + " " + pdf + " " + base + ".part && mv " + base +
                          ".part " + base + ".out || touch " + base + ".failed\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return "";
    }
    std::string out = DosPath(base + ".out");
    std::string failed = DosPath(base + ".failed");
    for (DWORD waited = 0; waited < kToolWaitMs; waited += kPollMs, Sleep(kPollMs)) {
        if (Exists(out)) {
            std::string text = ReadFile(out);
            DeleteFileA(out.c_str());
            return text;
        }
        if (Exists(failed)) break;
    }
    DeleteFileA(failed.c_str());
    return "";
}

std::string FindPdf(const std::string& jobName) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(DosPath(PdfFolder() + "/*" + jobName + "*.pdf").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return "";
    FindClose(search);
    return PdfFolder() + "/" + found.cFileName;
}

// Written out to its end: a PDF closes with "%%EOF".
bool Complete(const std::string& pdf) {
    std::string bytes = ReadFile(DosPath(pdf));
    std::size_t end = bytes.find_last_not_of("\r\n ");
    return end != std::string::npos && end >= 4 && bytes.compare(end - 4, 5, "%%EOF") == 0;
}

double Attribute(const std::string& element, const char* name) {
    std::size_t at = element.find(std::string(name) + "=\"");
    return at == std::string::npos ? -1 : std::atof(element.c_str() + at + std::strlen(name) + 2);
}

}  // namespace

std::string PdfFolder() {
    const char* folder = std::getenv("VELMO_PDF_DIR");
    return folder != nullptr ? folder : "";
}

std::string NewJobName() {
    static int jobs = 0;
    return "velmo_print_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(GetTickCount()) + "_" +
           std::to_string(++jobs);
}

std::string WaitForPdf(const std::string& jobName) {
    for (DWORD waited = 0; waited < kPdfWaitMs; waited += kPollMs) {
        std::string pdf = FindPdf(jobName);
        if (!pdf.empty() && Complete(pdf)) return pdf;
        Sleep(kPollMs);
    }
    return "";
}

bool PdfArrived(const std::string& jobName) { return !FindPdf(jobName).empty(); }

void RemovePdf(const std::string& pdf) { DeleteFileA(DosPath(pdf).c_str()); }

std::vector<std::string> PdfPageTexts(const std::string& pdf) {
    std::string text = ToolOutput("/usr/bin/pdftotext", "-enc Latin1", pdf);
    std::vector<std::string> pages;
    for (std::size_t at = 0, end; (end = text.find('\f', at)) != std::string::npos; at = end + 1) {
        pages.push_back(text.substr(at, end - at));
    }
    return pages;
}

std::vector<PdfWord> PdfWords(const std::string& pdf, int page) {
    std::string n = std::to_string(page);
    std::string html = ToolOutput("/usr/bin/pdftotext", "-bbox -f " + n + " -l " + n, pdf);
    std::vector<PdfWord> words;
    for (std::size_t at = 0; (at = html.find("<word ", at)) != std::string::npos;) {
        std::size_t close = html.find('>', at);
        std::size_t end = html.find("</word>", close);
        if (close == std::string::npos || end == std::string::npos) break;
        std::string element = html.substr(at, close - at);
        words.push_back({Attribute(element, "xMin"), Attribute(element, "yMin"), Attribute(element, "xMax"),
                         Attribute(element, "yMax"), html.substr(close + 1, end - close - 1)});
        at = end;
    }
    return words;
}

}  // namespace velmo::test
