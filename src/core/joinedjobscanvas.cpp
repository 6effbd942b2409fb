#include "joinedjobscanvas.h"

namespace penvaro::core {

Result<void> JoinedJobsCanvas::beginDocument(const std::string &title) {
    if (m_begun) {
        m_target.newPage();
    } else {
        if (auto begun = m_target.beginDocument(title); !begun)
            return begun;
        m_begun = true;
    }
    m_page = 1;
    return {};
}

void JoinedJobsCanvas::newPage() {
    m_target.newPage();
    ++m_page;
}

Result<void> JoinedJobsCanvas::endDocument() {
    return {};
}

Result<void> JoinedJobsCanvas::finish() {
    if (!m_begun)
        return {};
    m_begun = false;
    return m_target.endDocument();
}

} // namespace penvaro::core
