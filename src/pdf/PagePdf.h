#pragma once

#include <QByteArray>
#include <filesystem>
#include <functional>
#include <string_view>

class QPageLayout;
class QWebEnginePage;

namespace kestrava {

// The paper of a printed reading: A4 portrait with margins wide enough that
// the engine's shrink-to-width keeps the outermost cards and their frames whole.
QPageLayout readingPageLayout();

// Prints the page as shown (backgrounds and absolute positions kept) to PDF
// and hands over the document; an empty one means the engine failed.
void printPageToPdf(QWebEnginePage& page, std::function<void(const QByteArray&)> done);

// Writes a printed document through the one save path; throws kestrava::Error
// when the engine produced nothing or the file cannot be written.
void writePdf(const std::filesystem::path& file, const QByteArray& pdf);

// Headless: starts an offscreen application fit for the browser engine when
// none runs yet. Must come before anything else starts an application.
void ensurePdfApplication();

// Headless: loads a local page, prints it and writes the PDF, waiting for the
// engine; throws kestrava::Error on any failure.
void printFileToPdf(const std::filesystem::path& page, const std::filesystem::path& pdf);
// The same for a page held in memory; it is shown from a temporary file, so
// the files it links to are named by absolute paths.
void printHtmlToPdf(std::string_view html, const std::filesystem::path& pdf);

} // namespace kestrava
