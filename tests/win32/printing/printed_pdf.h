#pragma once
// What the print queue made of a job: the PDF files of the cups-pdf printer,
// read with poppler's command-line tools, which Wine starts like any program.
#include <string>
#include <vector>

namespace velmo::test {

// The cups-pdf output folder (a Unix path) named by the test script in
// VELMO_PDF_DIR; empty when the tests run without a print queue.
std::string PdfFolder();

// A document name unique to this run and call, under which a job is printed
// and by which its PDF is found.
std::string NewJobName();

// The complete PDF of the job printed as `jobName`, as a Unix path; empty
// when none arrived within a minute.
std::string WaitForPdf(const std::string& jobName);
bool PdfArrived(const std::string& jobName);
void RemovePdf(const std::string& pdf);

// Each page's text, in order.
std::vector<std::string> PdfPageTexts(const std::string& pdf);

// A word of a page and its box in points from the page's top left corner.
struct PdfWord {
    double xMin;
    double yMin;
    double xMax;
    double yMax;
    std::string text;
};
std::vector<PdfWord> PdfWords(const std::string& pdf, int page);

}  // namespace velmo::test
