#include "teg/teg_controlli.h"

#include <map>
#include <mutex>

namespace vantrel {

TegIds::TegIds(const Schema& s) {
#define VANTREL_ID(n) n = s.id(#n);
    VANTREL_TEG_CONTROLLI(VANTREL_ID)
#undef VANTREL_ID
    for (int q = 0; q < 4; ++q) {
        const std::string n = std::to_string(q + 1);
        TS[q] = s.id("TS" + n);
        TU[q] = s.id("TU" + n);
        TSb[q] = s.id("TS" + n + "b");
        TUb[q] = s.id("TU" + n + "b");
        TSc[q] = s.id("TS" + n + "c");
        TUc[q] = s.id("TU" + n + "c");
    }
}

const TegIds& tegIds(const Schema& s) {
    static std::mutex m;
    static std::map<const Schema*, TegIds> cache;
    std::lock_guard lock(m);
    auto it = cache.find(&s);
    if (it == cache.end()) it = cache.emplace(&s, TegIds(s)).first;
    return it->second;
}

} // namespace vantrel
