#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

#include "commun/FileLots.h"

using namespace lignara;

// Producteur bloqué libéré quand le consommateur renonce ; son exception relevée après ses lots.
TEST(FileLots, gardeLOrdreLibereLeProducteurEtTransmetSonErreur) {
    FileLots<int> file(2);
    std::thread producteur([&] {
        for (int i = 0; i < 1000; ++i)
            if (!file.deposer(int{i})) return;
        file.terminer();
    });
    int attendu = 0;
    while (auto lot = file.prendre()) EXPECT_EQ(*lot, attendu++);
    producteur.join();
    EXPECT_EQ(attendu, 1000);

    FileLots<int> pleine(1);
    bool refuse = false;
    std::thread bloque([&] {
        for (int i = 0;; ++i)
            if (!pleine.deposer(int{i})) break;
        refuse = true;
    });
    EXPECT_EQ(pleine.prendre(), 0);
    pleine.arreter();  // le producteur attend une place : il doit repartir
    bloque.join();
    EXPECT_TRUE(refuse);

    FileLots<int> fautive(4);
    std::thread([&] {
        fautive.deposer(7);
        fautive.terminer(std::make_exception_ptr(std::runtime_error("lecture")));
    }).join();
    EXPECT_EQ(fautive.prendre(), 7);
    EXPECT_THROW(fautive.prendre(), std::runtime_error);
}
