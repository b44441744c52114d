#include "channels/BlocSourceDonnees.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
// The block as the ODBC installer reads it: the fixed strings from offset 0, "DBQ=" and the
// path from offset 57, zeros up to the 260th byte.
std::string Attendu(const std::string& chemin)
{
    std::string bloc("DSN=Chaines\0Description=Chaines de TV\0FileType=MS ACCESS\0DBQ=", 61);
    bloc += chemin;
    bloc.resize(260, '\0');
    return bloc;
}

std::string Octets(const BlocAttributs& bloc)
{
    return std::string(bloc.data(), bloc.size());
}
} // namespace

// Every byte of a block is written; a path of 197 characters leaves the two closing NULs, one
// more is refused with the block left alone.
TEST(BlocSourceDonnees, BlocsEtChemins)
{
    for (const std::string& chemin :
         {std::string("C:\\TV\\hcwChanDB_4.mdb"), std::string(197, 'd'), std::string(198, 'x')})
    {
        BlocAttributs bloc;
        bloc.fill('\x55');
        const bool tient = chemin.size() <= 197;
        EXPECT_EQ(ConstruireBlocEnregistrement(chemin, bloc), tient);
        EXPECT_EQ(Octets(bloc), tient ? Attendu(chemin) : std::string(260, '\x55'));
    }
    EXPECT_EQ(Octets(BlocSuppression()), Attendu("D:\\hcwChanDB_4.mdb"));

    EXPECT_EQ(MotifRechercheBase("C:\\TV"), "C:\\TV\\*.mdb*");
    EXPECT_EQ(CheminBase("C:\\TV", "hcwChanDB_4.mdb"), "C:\\TV\\hcwChanDB_4.mdb");
    EXPECT_EQ(CheminBase("C:\\TV", ""), "");
    EXPECT_EQ(TexteLigneChaine("12", "TF1", "fr"), "12\tTF1\tfr");
}
