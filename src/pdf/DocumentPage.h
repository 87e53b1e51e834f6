#pragma once

class QWebEnginePage;

namespace kestrava {

// Generated pages are documents, not programs: JavaScript is off and nothing
// is fetched from the network, as description files may come from anywhere.
void makeDocumentOnly(QWebEnginePage& page);

} // namespace kestrava
