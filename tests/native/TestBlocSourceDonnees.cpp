#include "channels/BlocSourceDonnees.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{
// The registration block as laid out byte by byte: each piece at its own offset, zeros elsewhere.
BlocAttributs BlocAttendu(const std::string& chemin)
{
    BlocAttributs bloc;
    bloc.fill('\0');
    std::memcpy(bloc.data() + 0, "DSN=Chaines", 12);
    std::memcpy(bloc.data() + 12, "Description=Chaines de TV", 26);
    std::memcpy(bloc.data() + 38, "FileType=MS ACCESS", 19);
    std::memcpy(bloc.data() + 57, "DBQ=", 4);
    std::memcpy(bloc.data() + 61, chemin.data(), chemin.size());
    return bloc;
}

std::string Octets(const BlocAttributs& bloc)
{
    return std::string(bloc.data(), bloc.size());
}
} // namespace

TEST(BlocSourceDonnees, BlocEnregistrement)
{
    const std::string chemins[] = {
        "C:\\TV\\hcwChanDB_4.mdb",
        "",
        std::string("C:\\") + std::string(194, 'd'), // 197 characters: the last two bytes are NUL
        "C:\\T\xE9l\xE9vision\\cha\xEEnes.mdb",
    };
    for (const std::string& chemin : chemins)
    {
        SCOPED_TRACE(chemin.size());
        BlocAttributs bloc;
        bloc.fill('\x55');
        ASSERT_TRUE(ConstruireBlocEnregistrement(chemin, bloc));
        EXPECT_EQ(Octets(bloc), Octets(BlocAttendu(chemin)));
    }
    EXPECT_EQ(std::string(197, 'x').size() + 61 + 2, TAILLE_BLOC);
}

TEST(BlocSourceDonnees, CheminTropLongRefuse)
{
    BlocAttributs bloc;
    bloc.fill('\x55');
    const BlocAttributs avant = bloc;
    EXPECT_FALSE(ConstruireBlocEnregistrement(std::string(198, 'x'), bloc));
    EXPECT_FALSE(ConstruireBlocEnregistrement(std::string(4000, 'x'), bloc));
    EXPECT_EQ(Octets(bloc), Octets(avant));
}

TEST(BlocSourceDonnees, BlocSuppression)
{
    BlocAttributs attendu;
    attendu.fill('\0');
    const char contenu[] = "DSN=Chaines\0Description=Chaines de TV\0FileType=MS ACCESS\0"
                           "DBQ=D:\\hcwChanDB_4.mdb\0";
    std::memcpy(attendu.data(), contenu, sizeof contenu); // with the closing NUL
    EXPECT_EQ(Octets(BlocSuppression()), Octets(attendu));
    EXPECT_EQ(sizeof contenu, 81u);
    EXPECT_EQ(&BlocSuppression(), &BlocSuppression());
}

TEST(BlocSourceDonnees, CheminsEtMotif)
{
    EXPECT_EQ(MotifRechercheBase("C:\\TV"), "C:\\TV\\*.mdb*");
    EXPECT_EQ(MotifRechercheBase(""), "\\*.mdb*");
    EXPECT_EQ(CheminBase("C:\\TV", "hcwChanDB_4.mdb"), "C:\\TV\\hcwChanDB_4.mdb");
    EXPECT_EQ(CheminBase("C:\\TV", ""), "");
    EXPECT_EQ(CheminBase("", "x.mdb"), "\\x.mdb");
}

TEST(BlocSourceDonnees, TexteLigneChaine)
{
    EXPECT_EQ(TexteLigneChaine("12", "TF1", "fr"), "12\tTF1\tfr");
    EXPECT_EQ(TexteLigneChaine("12", "", "fr"), "12\t\tfr");
    EXPECT_EQ(TexteLigneChaine("", "", ""), "\t\t");
}
