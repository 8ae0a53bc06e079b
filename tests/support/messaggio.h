#pragma once

#include "common/servizi.h"

#include <gtest/gtest.h>

namespace vantrel::test {

/// Every part of a box shown: title, text, icon, buttons and the button Enter takes.
inline void controllaMessaggio(const Messaggio& m, const Messaggio& atteso) {
    EXPECT_EQ(m.titolo, atteso.titolo);
    EXPECT_EQ(m.testo, atteso.testo);
    EXPECT_EQ(m.icona, atteso.icona);
    EXPECT_EQ(m.pulsanti, atteso.pulsanti);
    EXPECT_EQ(m.predefinita, atteso.predefinita);
}

} // namespace vantrel::test
