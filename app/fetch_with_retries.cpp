#include "app/fetch_with_retries.h"

#include "net/web_page_access.h"

namespace lumbra {

std::string FetchWithRetries(const std::string& address) {
    std::string text;
    for (int attempt = 0; attempt < kFetchAttempts && text.empty(); ++attempt) {
        text = FetchPageText(address);
    }
    return text;
}

}  // namespace lumbra
