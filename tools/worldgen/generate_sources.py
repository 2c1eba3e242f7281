#!/usr/bin/env python3
"""Writes the readable sources of the shipped world into data/world/.

Run once by hand (python3 tools/worldgen/generate_sources.py [REPO]); its output is committed, and the build
reads only the committed files. Every draw comes from a generator seeded by a fixed text per section, so
running it again gives the same files, and changing one country's clubs leaves the others as they were.
"""
import os
import random
import sys
import unicodedata

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from name_pools import COUNTRY_POOL, PEOPLE, TOWNS  # noqa: E402

SEED = "kolbrin-world-1"

# code, code2 (the three-letter code of the international standard, or the code itself where there is
# none of its own), English name, Portuguese name (each at most 20 characters).
COUNTRIES = [
    ("POR", "PRT", "Portugal", "Portugal"), ("ENG", "ENG", "England", "Inglaterra"),
    ("SCO", "SCO", "Scotland", "Escócia"), ("WAL", "WAL", "Wales", "País de Gales"),
    ("NIR", "NIR", "Northern Ireland", "Irlanda do Norte"), ("IRL", "IRL", "Ireland", "Irlanda"),
    ("ESP", "ESP", "Spain", "Espanha"), ("FRA", "FRA", "France", "França"),
    ("GER", "DEU", "Germany", "Alemanha"), ("ITA", "ITA", "Italy", "Itália"),
    ("NED", "NLD", "Netherlands", "Holanda"), ("BEL", "BEL", "Belgium", "Bélgica"),
    ("LUX", "LUX", "Luxembourg", "Luxemburgo"), ("AUT", "AUT", "Austria", "Áustria"),
    ("SUI", "CHE", "Switzerland", "Suíça"), ("DEN", "DNK", "Denmark", "Dinamarca"),
    ("SWE", "SWE", "Sweden", "Suécia"), ("NOR", "NOR", "Norway", "Noruega"),
    ("FIN", "FIN", "Finland", "Finlândia"), ("ISL", "ISL", "Iceland", "Islândia"),
    ("GRE", "GRC", "Greece", "Grécia"), ("TUR", "TUR", "Turkey", "Turquia"),
    ("POL", "POL", "Poland", "Polónia"), ("CZE", "CZE", "Czech Republic", "República Checa"),
    ("SVK", "SVK", "Slovakia", "Eslováquia"), ("HUN", "HUN", "Hungary", "Hungria"),
    ("ROU", "ROU", "Romania", "Roménia"), ("BUL", "BGR", "Bulgaria", "Bulgária"),
    ("CRO", "HRV", "Croatia", "Croácia"), ("SRB", "SRB", "Serbia", "Sérvia"),
    ("SVN", "SVN", "Slovenia", "Eslovénia"), ("RUS", "RUS", "Russia", "Rússia"),
    ("UKR", "UKR", "Ukraine", "Ucrânia"), ("BRA", "BRA", "Brazil", "Brasil"),
    ("ARG", "ARG", "Argentina", "Argentina"), ("URU", "URY", "Uruguay", "Uruguai"),
    ("CHI", "CHL", "Chile", "Chile"), ("COL", "COL", "Colombia", "Colômbia"),
    ("PAR", "PRY", "Paraguay", "Paraguai"), ("MEX", "MEX", "Mexico", "México"),
    ("USA", "USA", "United States", "Estados Unidos"), ("ANG", "AGO", "Angola", "Angola"),
    ("MOZ", "MOZ", "Mozambique", "Moçambique"), ("CPV", "CPV", "Cape Verde", "Cabo Verde"),
    ("GNB", "GNB", "Guinea-Bissau", "Guiné-Bissau"), ("STP", "STP", "São Tomé & Príncipe", "São Tomé e Príncipe"),
    ("NGA", "NGA", "Nigeria", "Nigéria"), ("GHA", "GHA", "Ghana", "Gana"),
    ("CMR", "CMR", "Cameroon", "Camarões"), ("SEN", "SEN", "Senegal", "Senegal"),
    ("MAR", "MAR", "Morocco", "Marrocos"), ("JPN", "JPN", "Japan", "Japão"),
    ("KOR", "KOR", "South Korea", "Coreia do Sul"), ("AUS", "AUS", "Australia", "Austrália"),
]

# The European economic group (players of its members are not foreign in each other's clubs) and the group
# of Portuguese-speaking countries.
GROUPS = [
    ("bosman.txe", "Bosman", ["POR", "ENG", "SCO", "WAL", "NIR", "IRL", "ESP", "FRA", "GER", "ITA", "NED",
                              "BEL", "LUX", "AUT", "DEN", "SWE", "FIN", "GRE", "NOR", "ISL"]),
    ("plop.txe", "PLOP", ["POR", "BRA", "ANG", "MOZ", "CPV", "GNB", "STP"]),
]

# Club countries: how many clubs, the best and worst level, and where their imported players come from.
CLUB_COUNTRIES = {
    "POR": (52, 20, 1, ["BRA", "ANG", "CPV", "MOZ", "ARG", "NGA", "ESP", "URU", "GNB", "FRA", "STP"]),
    "ENG": (46, 20, 1, ["IRL", "SCO", "WAL", "NIR", "FRA", "NED", "NOR", "DEN", "AUS", "USA", "NGA", "GHA"]),
    "ESP": (44, 20, 1, ["ARG", "URU", "BRA", "POR", "FRA", "COL", "CHI", "MEX", "PAR", "CMR"]),
    "ITA": (38, 20, 1, ["BRA", "ARG", "FRA", "GER", "CRO", "SRB", "URU", "NED", "POR", "SEN"]),
    "GER": (38, 19, 1, ["AUT", "SUI", "POL", "CZE", "CRO", "DEN", "BRA", "NED", "GHA", "SWE"]),
    "FRA": (32, 19, 1, ["SEN", "CMR", "MAR", "BEL", "SUI", "BRA", "ARG", "NGA", "POR", "LUX"]),
    "BRA": (30, 19, 2, ["ARG", "URU", "PAR", "CHI", "COL", "POR"]),
    "NED": (20, 18, 2, ["BEL", "DEN", "SWE", "NOR", "GHA", "NGA", "BRA", "FIN", "ISL"]),
    "BEL": (14, 16, 1, ["NED", "FRA", "CMR", "NGA", "POL", "CZE", "HUN", "ROU"]),
    "SCO": (12, 16, 2, ["ENG", "IRL", "NIR", "WAL", "NOR", "FIN", "AUS", "CZE"]),
}

# Referees per country (at least 200 from at least 25 countries in all).
REFEREES = {
    "POR": 18, "ENG": 16, "ESP": 15, "ITA": 14, "GER": 14, "FRA": 13, "BRA": 10, "NED": 9, "BEL": 7,
    "SCO": 7, "IRL": 5, "WAL": 4, "NIR": 3, "AUT": 5, "SUI": 5, "DEN": 5, "SWE": 5, "NOR": 4, "FIN": 3,
    "ISL": 2, "GRE": 5, "TUR": 5, "POL": 5, "CZE": 4, "SVK": 3, "HUN": 4, "ROU": 4, "BUL": 3, "CRO": 4,
    "SRB": 3, "SVN": 2, "RUS": 5, "UKR": 3, "ARG": 5, "URU": 3, "CHI": 2, "COL": 2, "MEX": 3, "USA": 3,
    "ANG": 2, "MOZ": 2, "CPV": 1, "NGA": 3, "GHA": 2, "CMR": 2, "SEN": 2, "MAR": 2, "JPN": 3, "AUS": 2,
}

# Club colours: (text colour, background colour) pairs that read well together.
COLOUR_PAIRS = [
    ("#FFFFFF", "#B0203A"), ("#FFFFFF", "#1F3A68"), ("#FFFFFF", "#1E6B3F"), ("#FFFFFF", "#202020"),
    ("#F2C14E", "#1F3A68"), ("#F2C14E", "#202020"), ("#F7E7B0", "#6D1A36"), ("#FFFFFF", "#5B3A8C"),
    ("#FFFFFF", "#E07020"), ("#FFFFFF", "#1B7F8F"), ("#FFFFFF", "#3A76C4"), ("#FFE066", "#0B4F30"),
    ("#1F3A68", "#F2C14E"), ("#B0203A", "#FFFFFF"), ("#1F3A68", "#FFFFFF"), ("#1E6B3F", "#FFFFFF"),
    ("#202020", "#FFFFFF"), ("#202020", "#F2C14E"), ("#6D1A36", "#A8D0F0"), ("#0B4F30", "#F7F3E3"),
    ("#5B3A8C", "#F2E8FF"), ("#B0203A", "#F7F3E3"), ("#202020", "#E07020"), ("#1F3A68", "#A8D0F0"),
    ("#FFFFFF", "#8A5A2B"), ("#FFFFFF", "#C0392B"), ("#F7F3E3", "#2C4A3E"), ("#1B7F8F", "#FFFFFF"),
    ("#E07020", "#202020"), ("#FFFFFF", "#4A4A4A"), ("#202020", "#9ACD32"), ("#FFFFFF", "#0E5A8A"),
]

# Flag colours and patterns; the pictures step draws them.
FLAG_COLOURS = ["#C8102E", "#1F3A68", "#2E6DB4", "#7FB2E5", "#1E7B4A", "#0B4F30", "#F2C14E", "#FFD93D",
                "#F7F7F2", "#202020", "#E8772E", "#6D1A36", "#1B8A8F", "#5B3A8C"]


def luma(colour):
    r, g, b = (int(colour[i:i + 2], 16) for i in (1, 3, 5))
    return 0.299 * r + 0.587 * g + 0.114 * b

FLAG_PATTERNS = ["vtri", "htri", "hbi", "vbi", "cross", "disc", "canton", "diag", "chevron", "hstripe",
                 "border", "quarter"]
PATTERN_COLOURS = {"vtri": 3, "htri": 3, "hbi": 2, "vbi": 2, "cross": 2, "disc": 2, "canton": 3,
                   "diag": 3, "chevron": 3, "hstripe": 3, "border": 2, "quarter": 2}

POSITIONS = ["GK", "DF", "MF", "FW"]


def cp1252_ok(text):
    try:
        text.encode("cp1252")
        return True
    except UnicodeEncodeError:
        return False


def ascii_fold(text):
    return "".join(c for c in unicodedata.normalize("NFKD", text) if c.isascii() and c.isalnum())


class People:
    """Invents unique person names for a country."""

    def __init__(self, rng, used):
        self.rng = rng
        self.used = used

    def surname(self, pool):
        rng = self.rng
        while True:
            root, ending = rng.choice(pool["roots"]), rng.choice(pool["endings"])
            s = root + ending
            # "Wickwick" and "Holllin" read as slips of the pen.
            if not ending.lower().startswith(root.lower()) and not any(
                    a.lower() == b == c for a, b, c in zip(s, s[1:], s[2:])):
                break
        for prefix, chance in pool.get("prefixes", []):
            if rng.random() < chance:
                return prefix + s
        return s

    def name(self, country, limit=20):
        pools = COUNTRY_POOL[country]
        for _ in range(1000):
            pool = PEOPLE[self.rng.choice(pools)]
            first = self.rng.choice(pool["first"])
            full = first + " " + self.surname(pool)
            if len(full) > limit:
                full = first[0] + ". " + self.surname(pool)
            if len(full) <= limit and full not in self.used and cp1252_ok(full):
                self.used.add(full)
                return full
        raise RuntimeError("no free name for " + country)


def make_squad(rng, people, country, level, imports, foreign_max):
    size = rng.randint(14, 20)
    keepers = 3 if size >= 18 else 2
    outfield = size - keepers
    defenders = max(4, round(outfield * rng.uniform(0.32, 0.40)))
    forwards = max(2, round(outfield * rng.uniform(0.20, 0.28)))
    midfielders = outfield - defenders - forwards
    positions = [0] * keepers + [1] * defenders + [2] * midfielders + [3] * forwards
    if level >= 16:
        stars = rng.randint(2, 5)
    elif level >= 10:
        stars = rng.randint(0, 3)
    else:
        stars = rng.choice([0, 0, 0, 1])
    foreign = min(foreign_max, rng.randint(0, 2 + level // 4))
    star_slots = set(rng.sample(range(keepers, size), stars))
    foreign_slots = set(rng.sample(range(size), foreign))
    players = []
    for i, pos in enumerate(positions):
        nat = rng.choice(imports) if i in foreign_slots else country
        if pos == 0:
            age = rng.randint(18, 38)
        else:
            age = min(38, rng.randint(17, 33) + rng.choice([0, 0, 0, 1, 2, 3]))
        players.append((pos, people.name(nat), nat, age, rng.randint(0, 5), i in star_slots))
    return players


def levels_for(count, best, worst):
    """Spreads a country's clubs over its range of levels, strongest first."""
    out = []
    for i in range(count):
        out.append(round(best - i * (best - worst) / (count - 1)))
    return out


def club_names(rng, country, used_files):
    towns = TOWNS[country]
    for _ in range(1000):
        town = rng.choice(towns["roots"]) + rng.choice(towns["endings"])
        full, short = rng.choice(towns["patterns"])
        full, short = full.format(t=town), short.format(t=town)
        key = ascii_fold(short).lower()
        town_key = country + ":" + town
        tripled = any(a.lower() == b == c for a, b, c in zip(town, town[1:], town[2:]))
        if (not tripled and len(full) <= 40 and len(short) <= 20 and key not in used_files and town_key not in used_files
                and cp1252_ok(full)):
            used_files.add(key)
            used_files.add(town_key)
            return full, short
    raise RuntimeError("no free club name for " + country)


def write_club(out, full, short, country, level, colours, coach, players):
    out.append(f"club   | {country} | {level} | {full} | {short} | {colours[0]} | {colours[1]}")
    out.append(f"coach  | {coach}")
    for pos, name, nat, age, behaviour, star in players:
        out.append(f"player | {POSITIONS[pos]} | {name} | {nat} | {age} | {behaviour}" + (" | star" if star else ""))
    out.append("")


HEADER_CLUBS = """# Clubs of {name}, one block per club (format in README.md):
#   club   | country | level 1-20 | full name | short name | text colour | background colour
#   coach  | name
#   player | GK/DF/MF/FW | name | nationality | age | behaviour 0-5 [| star]
"""


def generate_clubs(root, used_people, used_files):
    names = {c[0]: c[2] for c in COUNTRIES}
    for country, (count, best, worst, imports) in CLUB_COUNTRIES.items():
        rng = random.Random(f"{SEED}-clubs-{country}")
        people = People(rng, used_people)
        out = [HEADER_CLUBS.format(name=names[country])]
        for level in levels_for(count, best, worst):
            full, short = club_names(rng, country, used_files)
            colours = rng.choice(COLOUR_PAIRS)
            coach_country = country if rng.random() < 0.8 else rng.choice(imports)
            coach = people.name(coach_country)
            players = make_squad(rng, people, country, level, imports, 6)
            write_club(out, full, short, country, level, colours, coach, players)
        with open(os.path.join(root, "clubs", country + ".txt"), "w", encoding="utf-8", newline="\n") as f:
            f.write("\n".join(out))


def generate_provisory(root, used_people, used_files):
    """Work in progress of the editor: one club ready to move to the Teams folder, three that fail."""
    rng = random.Random(f"{SEED}-provisory")
    people = People(rng, used_people)
    out = ["# Clubs still being edited (the editor's \"Provisory Teams\" folder); same format as clubs/.",
           "# Only the first passes the team check: the others have 7 foreigners, 13 players and 6 stars.", ""]
    # A complete club.
    full, short = club_names(rng, "POR", used_files)
    write_club(out, full, short, "POR", 9, ("#FFFFFF", "#1E6B3F"), people.name("POR"),
               make_squad(rng, people, "POR", 9, ["BRA", "ANG"], 2))
    # Seven players from outside both groups.
    full, short = club_names(rng, "ENG", used_files)
    players = make_squad(rng, people, "ENG", 8, ["NGA"], 0)
    players = [(p[0], people.name("GHA"), "GHA") + p[3:] if i < 7 else p for i, p in enumerate(players)]
    out.append("# seven players from outside both groups")
    write_club(out, full, short, "ENG", 8, ("#1F3A68", "#F2C14E"), people.name("ENG"), players)
    # Thirteen players.
    full, short = club_names(rng, "ESP", used_files)
    players = make_squad(rng, people, "ESP", 5, ["ARG"], 1)
    players = [p for p in players if p[0] == 0][:2] + [p for p in players if p[0] != 0][:11]
    out.append("# only thirteen players")
    write_club(out, full, short, "ESP", 5, ("#FFFFFF", "#B0203A"), people.name("ESP"), players)
    # Six stars.
    full, short = club_names(rng, "ITA", used_files)
    players = make_squad(rng, people, "ITA", 14, ["BRA"], 2)
    players = [p[:5] + (0 < i <= 6,) for i, p in enumerate(players)]
    out.append("# six star players")
    write_club(out, full, short, "ITA", 14, ("#202020", "#FFFFFF"), people.name("ITA"), players)
    with open(os.path.join(root, "provisory.txt"), "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(out))


def generate_referees(root, used_people):
    rng = random.Random(f"{SEED}-referees")
    people = People(rng, used_people)
    out = ["# Referees: country | name (the name at most 40 characters)."]
    for country, count in REFEREES.items():
        for _ in range(count):
            out.append(f"{country} | {people.name(country, 40)}")
    with open(os.path.join(root, "referees.txt"), "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(out) + "\n")


BLUES = {"#1F3A68", "#2E6DB4", "#7FB2E5"}
YELLOWS = {"#F2C14E", "#FFD93D"}
REDS = {"#C8102E", "#6D1A36"}
WHITE = "#F7F7F2"


def looks_like_a_real_flag(pattern, colours):
    """A few designs that would pass for a well-known country's flag, and so mislabel another country."""
    a, b = colours[0], colours[1]
    return ((pattern == "cross" and a in BLUES and b in YELLOWS)
            or (pattern == "cross" and {a, b} <= REDS | {WHITE})
            or (pattern == "hbi" and a in BLUES and b in YELLOWS)
            or (pattern == "hbi" and {a, b} <= REDS | {WHITE})
            or (pattern == "disc" and a == WHITE and b in REDS))


def generate_flags(root):
    rng = random.Random(f"{SEED}-flags")
    made = []  # (pattern, colours)
    out = ["# Flags: country | pattern | colours (patterns in README.md)."]
    # Every pattern in turn, so that each is used about as often as the others.
    patterns = []
    for code, *_ in COUNTRIES:
        if not patterns:
            patterns = FLAG_PATTERNS[:]
            rng.shuffle(patterns)
        pattern = patterns.pop()
        while True:
            colours = rng.sample(FLAG_COLOURS, PATTERN_COLOURS[pattern])
            # Every two areas touch in most patterns, so every two colours must differ clearly in lightness.
            if any(abs(luma(a) - luma(b)) < (40 if len(colours) == 3 else 70)
                   for i, a in enumerate(colours) for b in colours[i + 1:]):
                continue
            if looks_like_a_real_flag(pattern, colours):
                continue
            # Two flags of one pattern share at most one colour, so that none looks like another.
            if any(p == pattern and len(set(c) & set(colours)) > 1 for p, c in made):
                continue
            break
        made.append((pattern, colours))
        out.append(f"{code} | {pattern} | {' '.join(colours)}")
    with open(os.path.join(root, "flags.txt"), "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(out) + "\n")


def main():
    repo = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..")
    root = os.path.join(repo, "data", "world")
    os.makedirs(os.path.join(root, "clubs"), exist_ok=True)
    with open(os.path.join(root, "countries.txt"), "w", encoding="utf-8", newline="\n") as f:
        f.write("# Countries: code | code2 | one name per language (at most 20 characters each).\n")
        f.write("languages | en | pt\n")
        for c in COUNTRIES:
            f.write(" | ".join(c) + "\n")
    with open(os.path.join(root, "groups.txt"), "w", encoding="utf-8", newline="\n") as f:
        f.write("# Country groups: file | first string | member codes.\n")
        for file, header, codes in GROUPS:
            f.write(f"{file} | {header} | {' '.join(codes)}\n")
    used_people, used_files = set(), set()
    generate_clubs(root, used_people, used_files)
    generate_provisory(root, used_people, used_files)
    generate_referees(root, used_people)
    generate_flags(root)


if __name__ == "__main__":
    main()
