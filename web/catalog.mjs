// The page's translations, from the desktop's Qt Linguist sources: one
// catalog for both editions. Writes a JSON file {language: {context:
// {English: translation}}} with the core's texts (context "Kelvane") and the
// texts the page's scripts name, without the windows' '&' mnemonics, which a
// page has no use for.
//   node catalog.mjs OUT.json PAGE_DIR PAGE_TEXTS.h kelvane_de.ts ...
// Fails, naming the texts, when a text the page translates is missing or
// unfinished in a language, or when the list lupdate reads (PAGE_TEXTS.h)
// and the page's own texts differ: either would show English on a page that
// should not.
import { readdirSync, readFileSync, writeFileSync } from 'node:fs';
import { basename, join } from 'node:path';

const [out, pageDir, listFile, ...tsFiles] = process.argv.slice(2);

const entities = { amp: '&', lt: '<', gt: '>', quot: '"', apos: "'" };
const xmlText = (s) => s.replace(/&(#x[0-9a-f]+|#\d+|\w+);/gi, (whole, e) =>
    e[0] === '#' ? String.fromCodePoint(Number(e[1] === 'x' || e[1] === 'X' ? `0${e.slice(1)}` : e.slice(1)))
                 : entities[e] ?? whole);
// "&Calc" is "Calc" on the page, "Fish && Chips" keeps one '&'.
const plain = (s) => s.replace(/&(&?)/g, '$1');

// {context: {source: translation}} of one .ts file, finished entries only.
function readTs(path) {
    const contexts = {};
    for (const [, body] of readFileSync(path, 'utf8').matchAll(/<context>([\s\S]*?)<\/context>/g)) {
        const name = xmlText(body.match(/<name>([\s\S]*?)<\/name>/)[1]);
        const messages = (contexts[name] ??= {});
        for (const [, message] of body.matchAll(/<message>([\s\S]*?)<\/message>/g)) {
            const source = message.match(/<source>([\s\S]*?)<\/source>/);
            const translation = message.match(/<translation(?:\s+type="([^"]*)")?>([\s\S]*?)<\/translation>/);
            if (!source || !translation || translation[1] || !translation[2]) continue;
            messages[plain(xmlText(source[1]))] ??= plain(xmlText(translation[2]));
        }
    }
    return contexts;
}

const unescapeJs = (s) => s.replace(/\\(u\{[0-9a-f]+\}|u[0-9a-f]{4}|.)/gi, (_, e) =>
    e[0] === 'u' && e.length > 1 ? String.fromCodePoint(parseInt(e.replace(/[u{}]/g, ''), 16))
                                 : ({ n: '\n', t: '\t' })[e] ?? e);

// The texts the page's scripts translate:
// tr('text', ...) in the page's own context, trFrom('Context', 'text', ...)
// from a window's. Only literal texts can be checked, so any other argument
// is refused.
const used = [];
const problems = [];
for (const file of readdirSync(pageDir).filter((f) => f.endsWith('.js'))) {
    const code = readFileSync(join(pageDir, file), 'utf8');
    for (const m of code.matchAll(/\b(?:tr\(|trFrom\(\s*'([^']*)'\s*,)\s*/g)) {
        const literal = code.slice(m.index + m[0].length).match(/^'((?:[^'\\]|\\.)*)'/);
        if (!literal) {
            problems.push(`${file}: translates no literal text: ${code.substr(m.index, 50)}`);
            continue;
        }
        used.push({ context: m[1] ?? 'Page', text: unescapeJs(literal[1]) });
    }
}

// lupdate keeps only what it finds in a source: the page's own texts are
// listed for it, and the list must be the page's.
const listed = new Set([...readFileSync(listFile, 'utf8').matchAll(/QT_TRANSLATE_NOOP\(\s*"Page",\s*((?:"(?:[^"\\]|\\.)*"\s*)+)\)/g)]
    .map(([, parts]) => [...parts.matchAll(/"((?:[^"\\]|\\.)*)"/g)].map(([, p]) => unescapeJs(p)).join('')));
const pageTexts = new Set(used.filter((u) => u.context === 'Page').map((u) => u.text));
for (const t of pageTexts) if (!listed.has(t)) problems.push(`${basename(listFile)} lacks "${t}"`);
for (const t of listed) if (!pageTexts.has(t)) problems.push(`${basename(listFile)} lists "${t}", which the page does not use`);

const catalog = {};
for (const path of tsFiles) {
    const language = basename(path).match(/_([a-z]{2})\.ts$/)[1];
    const contexts = readTs(path);
    const mine = (catalog[language] = { Kelvane: contexts.Kelvane ?? {} });
    for (const { context, text } of used) {
        const translation = contexts[context]?.[text];
        if (translation === undefined) problems.push(`${language}: no translation of "${text}" (${context})`);
        else (mine[context] ??= {})[text] = translation;
    }
}
if (problems.length) {
    console.error([...new Set(problems)].join('\n'));
    process.exit(1);
}
writeFileSync(out, JSON.stringify(catalog));
