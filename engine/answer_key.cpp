#include "engine/papers.h"
#include "engine/test_state.h"

// Ten questions to a group, 1 to 140.
const char answer_key[question_count + 1] =
    "BBDAABCACD" "CACBDCABCB" "ABDDCAADBD" "CCABADBCAD" "DCDBABDCAB"  //   1– 50
    "DABCBBDBCD" "CDACBADACA" "CBADACDCBD" "BDACBACADB"               //  51– 90
    "BCDAADDBBC" "DADBCAACBC" "AACDBBCBDC" "AACBADACBD" "BADDCDBCDB"; //  91–140

namespace {
const char key_epreuve2[question_count + 1] =
    "CDCBADBDCA" "BDCADDDCDB" "BABCCBBACB" "AACACDBCDA" "CDDDBBACBB"  //   1– 50
    "CCBBAABADD" "CBCBCBABCD" "CACACDCCAC" "CAAABBBDCB"               //  51– 90
    "CADBDBAAAD" "BBDBACCBDC" "ADDADDADCC" "DDBACDAAAB" "ADCACBADBD"; //  91–140
}

const std::vector<paper_info>& paper_table()
{
    static const std::vector<paper_info> table{
        {1, answer_key, QString()},
        {2, key_epreuve2, QStringLiteral("epreuve2")},
    };
    return table;
}
