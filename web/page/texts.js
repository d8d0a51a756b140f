// The page's language: the desktop's translations (built into
// kelvane-texts.json from its Qt Linguist sources), chosen by a lesson link's
// lang=, else the student's earlier choice on this page, else the browser's
// languages, else English. Only what a student reads is translated: files,
// CSV and links keep the engines' English.

// Its code and its name as its speakers write it; English is the source text.
export const kLanguages = [['en', 'English'], ['de', 'Deutsch'], ['es', 'Español'], ['fr', 'Français']];
const kStoreKey = 'kelvane-language';

const spoken = (code) => kLanguages.some(([c]) => c === code);

function stored() {
    // Storage may be refused (a private window, a page opened from a file).
    try { return localStorage.getItem(kStoreKey); } catch { return null; }
}

function chosen() {
    const linked = new URLSearchParams(location.hash.slice(1)).get('lang');
    if (spoken(linked)) return linked;
    if (spoken(stored())) return stored();
    for (const tag of navigator.languages ?? [navigator.language]) {
        const code = String(tag).split('-')[0].toLowerCase();
        if (spoken(code)) return code;
    }
    return 'en';
}

export const language = chosen();
document.documentElement.lang = language;

const catalog = language === 'en' ? {}
    : await fetch('kelvane-texts.json').then((r) => r.json()).then((all) => all[language] ?? {})
        .catch(() => ({}));

export function remember(code) {
    try { localStorage.setItem(kStoreKey, code); } catch { /* chosen for this visit only */ }
}

// "%1 of %2" with the arguments in place.
const fill = (text, args) => text.replace(/%(\d)/g, (whole, n) => (args[n - 1] !== undefined ? args[n - 1] : whole));

const translate = (context, text, args) => fill(catalog[context]?.[text] ?? text, args);

// A text of one of the windows' contexts, and one of the page's own. The web
// build checks that every text the page names this way is translated, so
// give them literal texts only.
export const trFrom = (context, text, ...args) => translate(context, text, args);
export const tr = (text, ...args) => translate('Page', text, args);

// A text the engine wrote (a label, a chart or axis title, a rule): the
// core's translation if there is one, else as it came. Surrounding spaces
// that align the grid stay; a title of several lines goes line by line.
export function core(text) {
    if (!text || language === 'en') return text;
    const texts = catalog.Kelvane ?? {};
    return String(text).split('\n').map((line) => {
        const [, before, words, after] = line.match(/^(\s*)(.*?)(\s*)$/);
        return before + (texts[words] ?? words) + after;
    }).join('\n');
}

// A message of the engine in parts ({pattern, parts}), as the windows put
// it together: the pattern and each word translated, numbers and file names
// as written. One pass, so that a part holding "%1" is never filled again.
export function coreMessage(message) {
    const pattern = core(message.pattern);
    return pattern.replace(/%(\d)/g, (whole, n) => {
        const part = message.parts[n - 1];
        if (!part) return whole;
        return part.inner ? coreMessage(part.inner) : part.word ? core(part.text) : part.text;
    });
}

// "Label: value" as the read-outs and the picture's words have it: the label
// translated, the value as it is.
export function coreLine(line) {
    const at = line.lastIndexOf(': ');
    return at < 0 ? core(line) : trFrom('WidgetHost', '%1: %2', core(line.slice(0, at)), line.slice(at + 2));
}
