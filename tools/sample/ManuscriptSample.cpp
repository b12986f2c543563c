#include "sample/ManuscriptSample.h"

#include "sample/SampleRandom.h"
#include "sample/VerseText.h"

namespace {

QByteArray Record(int key, int value)
{
    return QByteArray::number(key) + '\t' + QByteArray::number(value) + '\n';
}

// 12r, 12v, 13r ...: a folio mark for the n-th page from the first folio.
QByteArray FolioMark(int firstFolio, int page)
{
    return QByteArray::number(firstFolio + page / 2) + (page % 2 == 0 ? "r" : "v");
}

} // namespace

ManuscriptSample::ManuscriptSample(const ManuscriptProfile& profile,
                                   const QList<int>& episodeLengths)
    : m_profile(profile)
{
    SampleRandom random(profile.seed);
    orderEpisodes(random);
    const QList<Laisse> reference = referenceEdition(random, episodeLengths);
    writeFiles(random, ownEdition(random, reference));
}

void ManuscriptSample::orderEpisodes(SampleRandom& random)
{
    for (int episode = m_profile.firstEpisode; episode <= m_profile.lastEpisode; ++episode) {
        if (!random.chance(m_profile.missingPerThousand))
            m_episodeOrder << episode;
    }
    // A few short runs of episodes told elsewhere than the other manuscripts tell them.
    for (int move = 0; move < 5; ++move) {
        const int length = random.between(1, 2);
        const int from = random.between(20, int(m_episodeOrder.size()) - 30);
        const QList<int> run = m_episodeOrder.mid(from, length);
        m_episodeOrder.remove(from, length);
        const int shift = random.between(3, 12);
        const int to = random.chance(500) ? from + shift : from - shift;
        for (int i = 0; i < run.size(); ++i)
            m_episodeOrder.insert(to + i, run[i]);
    }
}

QList<ManuscriptSample::Laisse> ManuscriptSample::referenceEdition(SampleRandom& random,
                                                                   const QList<int>& episodeLengths)
{
    QList<Laisse> laisses;
    for (int i = 0; i < m_episodeOrder.size(); ++i) {
        const int episode = m_episodeOrder[i];
        const int verses = qMax(4, episodeLengths[episode - 1] + random.between(-2, 2));
        if (random.chance(40)) {
            laisses.append({int(laisses.size()) + 1, verses / 2 + 2});
            laisses.append({int(laisses.size()) + 1, verses - verses / 2 + 1});
            m_episodeLaisses[episode] << laisses[laisses.size() - 2].reference
                                      << laisses.last().reference;
        } else if (random.chance(30) && i + 1 < m_episodeOrder.size()) {
            const int next = m_episodeOrder[++i];
            laisses.append({int(laisses.size()) + 1, verses + episodeLengths[next - 1]});
            m_episodeLaisses[episode] << laisses.last().reference;
            m_episodeLaisses[next] << laisses.last().reference;
        } else {
            laisses.append({int(laisses.size()) + 1, verses});
            m_episodeLaisses[episode] << laisses.last().reference;
        }
    }
    return laisses;
}

QList<ManuscriptSample::Laisse>
ManuscriptSample::ownEdition(SampleRandom& random, const QList<Laisse>& referenceLaisses) const
{
    QList<Laisse> laisses;
    for (int i = 0; i < referenceLaisses.size(); ++i) {
        const Laisse& laisse = referenceLaisses[i];
        if (random.chance(20))
            laisses.append({0, random.between(6, 14)});
        if (random.chance(30) && laisse.verses >= 8) {
            laisses.append({laisse.reference, laisse.verses / 2});
            laisses.append({laisse.reference, laisse.verses - laisse.verses / 2});
        } else if (random.chance(20) && i + 1 < referenceLaisses.size()) {
            laisses.append({laisse.reference, laisse.verses + referenceLaisses[++i].verses});
        } else {
            laisses.append(laisse);
        }
    }
    // The reference edition puts a few laisses back where its editor thought they belong.
    for (int swap = 0; swap < 3; ++swap) {
        const int first = random.between(5, int(laisses.size()) - 10);
        const int second = first + random.between(1, 3);
        if (laisses[first].reference != 0 && laisses[second].reference != 0)
            std::swap(laisses[first].reference, laisses[second].reference);
    }
    return laisses;
}

void ManuscriptSample::writeFiles(SampleRandom& random, const QList<Laisse>& ownLaisses)
{
    VerseText text(random);
    QByteArray texte =
        "Chanson de Vestrel, ms. " + m_profile.siglum.toUtf8() + " (texte inventé)\n";
    int line = 1;
    int verse = 0;
    int referenceVerse = 0;
    int page = 0;
    int onPage = 0;
    int pageLength = random.between(35, 40);
    for (int i = 0; i < ownLaisses.size(); ++i) {
        const int own = i + 1;
        const Laisse& laisse = ownLaisses[i];
        if (random.chance(60)) {
            texte += text.rubric() + '\n';
            ++line;
        } else if (random.chance(30)) {
            texte += '\n';
            ++line;
        }
        QByteArray lines;
        for (int k = 0; k < laisse.verses; ++k) {
            ++verse;
            ++line;
            if (onPage == pageLength) {
                ++page;
                onPage = 0;
                pageLength = random.between(35, 40);
            }
            ++onPage;
            texte += FolioMark(m_profile.firstFolio, page) + '\t' + QByteArray::number(own) + '\t'
                     + QByteArray::number(verse) + '\t' + text.verse() + '\n';
            lines += (lines.isEmpty() ? "" : ",") + QByteArray::number(line);
            m_vl += Record(verse, own);
            // The reference edition leaves out a verse now and then and counts a few that
            // this manuscript lacks, so the offset between the two numberings shifts.
            if (laisse.reference == 0 || random.chance(4))
                continue;
            if (random.chance(4))
                referenceVerse += random.between(1, 4);
            m_bv += Record(verse, ++referenceVerse);
        }
        m_lv += QByteArray::number(own) + '\t' + lines + '\n';
        if (laisse.reference != 0)
            m_bl += Record(own, laisse.reference);
    }
    if (m_profile.hasText)
        m_texte = texte;
}
