#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

class SampleRandom;

// How one invented manuscript tells the poem: which stretch of episodes it covers, how many it
// leaves out, where its folios start, and whether its text is available.
struct ManuscriptProfile
{
    QString siglum;
    quint64 seed;
    int firstEpisode;
    int lastEpisode;
    int missingPerThousand;
    int firstFolio;
    bool hasText;
};

// One invented manuscript. The poem is a row of episodes; the manuscript tells most of them,
// a few moved elsewhere. The reference edition numbers its laisses, one per episode with some
// split in two or two episodes merged into one; the manuscript's own edition then splits,
// merges, adds and transposes laisses again, so the two numberings drift apart. Verses are
// numbered in both editions too, the reference edition skipping and adding a few.
class ManuscriptSample
{
public:
    // episodeLengths[e - 1] is the usual number of verses of episode e.
    ManuscriptSample(const ManuscriptProfile& profile, const QList<int>& episodeLengths);

    const QString& siglum() const { return m_profile.siglum; }
    bool hasText() const { return m_profile.hasText; }
    // The reference-edition laisse numbers that stand for an episode, empty when the
    // manuscript leaves it out.
    QList<int> referenceLaisses(int episode) const { return m_episodeLaisses.value(episode); }
    // The episodes in the order this manuscript tells them.
    const QList<int>& episodeOrder() const { return m_episodeOrder; }

    const QByteArray& texte() const { return m_texte; }
    const QByteArray& laisseLines() const { return m_lv; }
    const QByteArray& verseLaisses() const { return m_vl; }
    const QByteArray& verseNumbers() const { return m_bv; }
    const QByteArray& laisseNumbers() const { return m_bl; }

private:
    struct Laisse
    {
        int reference; // 0 when the other edition has no number for it
        int verses;
    };

    void orderEpisodes(SampleRandom& random);
    QList<Laisse> referenceEdition(SampleRandom& random, const QList<int>& episodeLengths);
    QList<Laisse> ownEdition(SampleRandom& random, const QList<Laisse>& referenceLaisses) const;
    void writeFiles(SampleRandom& random, const QList<Laisse>& ownLaisses);

    ManuscriptProfile m_profile;
    QList<int> m_episodeOrder;
    QMap<int, QList<int>> m_episodeLaisses;
    QByteArray m_texte;
    QByteArray m_lv;
    QByteArray m_vl;
    QByteArray m_bv;
    QByteArray m_bl;
};
