"""Plausible long Spanish pages for the page translation benchmark: prose made from
sentence patterns with varied words, in paragraphs under headings, with links, emphasis,
code and lists, as an article or a long blog post has them. The same seed gives the same
page. Written here: no Spanish corpus ships with Debian's Apertium packages."""

import html
import random
import re

# Singular, so that the patterns' verbs agree with every one of them.
PEOPLE = ["el alcalde", "la maestra", "mi abuelo", "una vecina", "el médico del pueblo",
          "la directora del museo", "un grupo de estudiantes", "un agricultor",
          "la periodista", "el nuevo gobierno", "la familia del barrio", "el panadero",
          "una investigadora de la universidad", "un turista", "el equipo de fútbol"]
PLACES = ["la plaza mayor", "el mercado", "la estación de tren", "el puerto", "la biblioteca",
          "el hospital", "la iglesia antigua", "el parque", "la costa", "el centro de la ciudad",
          "las montañas", "el río", "la escuela", "el ayuntamiento", "la carretera nueva"]
THINGS = ["el agua", "la luz", "el pan", "los libros", "la música", "el viento", "la lluvia",
          "el trabajo", "la historia", "el dinero", "los árboles", "las noticias", "el café",
          "la comida", "el tiempo"]
VERBS_PAST = ["visitó", "construyó", "describió", "defendió", "abrió", "cerró", "cambió",
              "estudió", "pintó", "vendió", "compró", "recordó", "encontró", "perdió"]
ADJECTIVES = ["antiguo", "pequeño", "tranquilo", "famoso", "difícil", "importante",
              "hermoso", "largo", "caro", "nuevo", "frío", "alegre"]
YEARS = [str(y) for y in range(1850, 2024, 7)]
TOPICS = ["La vida en el pueblo", "El mercado de los sábados", "Una historia del puerto",
          "Los caminos de la montaña", "El agua y los campos", "La escuela del barrio",
          "Las fiestas del verano", "El tren que ya no pasa", "La cocina de la abuela",
          "Los oficios antiguos", "El río en invierno", "La biblioteca municipal",
          "El museo y sus visitantes", "Un viaje a la costa", "La música de la plaza"]

PATTERNS = [
    "En {year}, {person} {verb} {place} y nadie lo olvidó durante muchos años.",
    "Cuando llega el invierno, {person} habla de {thing} con una paciencia que sorprende a todos.",
    "Nadie sabe exactamente por qué {place} se volvió tan {adjective}, pero todos tienen una opinión.",
    "Según {person}, {thing} era más barato antes de que abrieran {place}.",
    "Por las mañanas, {person} camina hasta {place} y compra {thing} para toda la semana.",
    "La gente mayor recuerda que {place} era un lugar {adjective} donde los niños jugaban sin miedo.",
    "Aunque {thing} no parece importante, {person} dedicó su vida entera a estudiarlo.",
    "Después de la guerra, {person} {verb} {place} con la ayuda de sus amigos.",
    "Es difícil imaginar {place} sin {thing}, porque forma parte de su historia.",
    "Los domingos por la tarde {place} se llena de gente que busca un poco de tranquilidad.",
    "Hace muchos años {person} escribió una carta sobre {thing} que todavía se lee en voz alta.",
    "Si uno pregunta por {place}, cualquier vecino le cuenta una historia distinta.",
    "El verano pasado {person} {verb} {place}, y el periódico local publicó varias fotografías.",
    "Hoy {thing} llega desde muy lejos, mientras que antes se producía cerca de {place}.",
    "Muchos creen que {person} tenía razón cuando dijo que {thing} cambiaría el pueblo.",
    "Entre {place} y {place2} hay un camino {adjective} que recorren los caminantes cada primavera.",
    "La primera vez que {person} vio {place}, pensó que era el sitio más {adjective} del mundo.",
    "Con el tiempo, {thing} se convirtió en el tema favorito de las conversaciones en {place}.",
    "No es fácil explicar a los jóvenes cómo era {place} antes de {year}.",
    "Cada año {person} organiza una pequeña fiesta en {place} para celebrar {thing}.",
]


def _fill(rng, pattern):
    place, place2 = rng.sample(PLACES, 2)
    text = pattern.format(person=rng.choice(PEOPLE), place=place, place2=place2,
                          thing=rng.choice(THINGS), verb=rng.choice(VERBS_PAST),
                          adjective=rng.choice(ADJECTIVES), year=rng.choice(YEARS))
    text = re.sub(r"\b([Dd]e|[Aa]) el\b", lambda m: m.group(1) + "l", text)  # del, al
    return text[0].upper() + text[1:]


def _sentence(rng, index):
    """One sentence as HTML; some carry a link, emphasis, strong text or code inline."""
    words = html.escape(_fill(rng, rng.choice(PATTERNS)), quote=False).split(" ")
    kind = rng.random()
    if len(words) > 6 and kind < 0.45:
        start = rng.randrange(1, len(words) - 3)
        length = rng.randint(1, 3)
        inner = " ".join(words[start:start + length])
        if kind < 0.2:
            inner = f'<a href="/articulo/{index}">{inner}</a>'
        elif kind < 0.3:
            inner = f"<em>{inner}</em>"
        elif kind < 0.4:
            inner = f"<strong>{inner}</strong>"
        else:
            inner = f"<span class=\"nota\">{inner}</span>"
        words[start:start + length] = [inner]
    elif kind > 0.97:
        words.insert(len(words) - 1, "(<code>ref-%d</code>)" % index)
    return " ".join(words)


def article(words, seed=1, title="Crónicas del pueblo", report_script=""):
    """A page of about the given number of words: a title heading, sections of three to
    six paragraphs of three to seven sentences, now and then a list, and a navigation bar
    of links. report_script goes at the end of the body."""
    rng = random.Random(seed)
    parts = ['<nav><a href="/">Inicio</a> · <a href="/archivo">Archivo</a> · '
             '<a href="/contacto">Escríbanos</a></nav>',
             f"<h1>{html.escape(title)}</h1>",
             "<p class=\"entradilla\">Una colección de pequeñas historias sobre la vida "
             "diaria, los lugares y la gente de una ciudad cualquiera.</p>"]
    count = 0
    index = 0
    section = 0
    while count < words:
        section += 1
        heading = f"{rng.choice(TOPICS)} ({section})"
        parts.append(f"<h2>{html.escape(heading)}</h2>")
        count += len(heading.split())
        for _ in range(rng.randint(3, 6)):
            sentences = []
            for _ in range(rng.randint(3, 7)):
                index += 1
                sentences.append(_sentence(rng, index))
            paragraph = " ".join(sentences)
            count += len(paragraph.split())
            parts.append(f"<p>{paragraph}</p>")
        if rng.random() < 0.3:
            items = [_fill(rng, rng.choice(PATTERNS)) for _ in range(rng.randint(3, 5))]
            count += sum(len(item.split()) for item in items)
            parts.append("<ul>" + "".join(f"<li>{html.escape(item, quote=False)}</li>"
                                          for item in items) + "</ul>")
    parts.append("<footer><p>Todos los textos de esta página se pueden copiar libremente "
                 "si se cita la fuente.</p></footer>")
    return ("<!DOCTYPE html>\n<html lang=\"es\"><head><meta charset=\"utf-8\">"
            f"<title>{html.escape(title)}</title>"
            "<style>body{font-family:serif;max-width:46em;margin:1em auto;line-height:1.4}"
            "</style></head><body>\n" + "\n".join(parts) + "\n" + report_script +
            "</body></html>\n")


def word_count(page):
    """Words of the page's visible text, roughly as a reader counts them."""
    body = re.sub(r"<script.*?</script>|<style.*?</style>|<title>.*?</title>", "", page,
                  flags=re.S)
    return len(html.unescape(re.sub(r"<[^>]+>", " ", body)).split())


if __name__ == "__main__":
    import sys
    page = article(int(sys.argv[1]) if len(sys.argv) > 1 else 3000)
    sys.stdout.write(page)
    sys.stderr.write(f"{word_count(page)} words, {len(page)} characters\n")
