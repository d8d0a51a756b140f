// The page around the WebAssembly engines: it builds each tab from the
// engine's field table, passes every edit, button and chart click to the
// engine, and redraws what the engine holds (grid, charts, picture, notes).
// The engines compute; this file only shows.
import KelvaneEngines from './kelvane_engines.mjs';
import { ChartView, download, element } from './chart.js';
import { core, coreLine, coreMessage, kLanguages, language, remember, tr, trFrom } from './texts.js';

document.getElementById('loading').textContent = tr('Loading the engines…');
// The page began compiling the engines while it fetched the scripts.
const M = await KelvaneEngines({
    instantiateWasm(imports, receive) {
        globalThis.kelvaneWasm.then((module) => WebAssembly.instantiate(module, imports)
            .then((instance) => receive(instance, module)));
        return {};
    },
});
// Every engine's tab comes from the catalog (name, title, picture size, help
// pages) and from the engine itself (charts and buttons).
const kEngines = Object.fromEntries(JSON.parse(M.catalog()).map((e) => [e.name, e]));
const tabs = {};

class EngineTab {
    // texts: field texts from a lesson link, put into the boxes before the
    // tab first shows (checked as typed texts are).
    constructor(name, texts = {}) {
        this.name = name;
        this.engine = M.makeEngine(name);
        this.design = { ...kEngines[name], ...JSON.parse(this.engine.design()) };
        this.fields = JSON.parse(this.engine.fields());
        this.engine.defaults();
        for (const [control, text] of Object.entries(texts)) {
            if (this.fields.some((f) => f.control === control)) this.engine.put(control, text);
        }
        this.boxes = {};
        this.timer = null;
        this.graphTimer = null;
        // Shown before the page is built, so that each chart draws once, with its data.
        this.shown = this.engine.run('show', 0);
        // Nothing moves by itself for a student who asked the system for less motion.
        if (matchMedia('(prefers-reduced-motion: reduce)').matches) this.engine.run('halt', 0);
        this.build();
        this.error.textContent = this.shown;
    }

    build() {
        const root = element('section', { className: 'engine', id: `engine-${this.name}` });
        this.root = root;
        this.error = element('div', { className: 'error', role: 'alert' });
        // The results in words for screen readers, after each action.
        this.status = element('div', { className: 'visually-hidden', role: 'status' });
        const fields = element('div', { className: 'fields' });
        for (const f of this.fields) {
            const id = `${this.name}-${f.control}`;
            const box = element('input', { id, name: f.control });
            if (f.kind === 'check') {
                box.type = 'checkbox';
                box.checked = this.engine.checked(f.control);
                box.addEventListener('change', () =>
                    this.act(() => this.engine.tick(f.control, box.checked)));
            } else {
                box.type = 'text';
                box.value = this.engine.text(f.control);
                box.title = f.unit ? `${core(f.label)} (${core(f.unit)})` : core(f.label);
                box.addEventListener('input', () =>
                    this.act(() => this.engine.edit(f.control, box.value)));
                if (f.sweep) {
                    box.classList.add('sweep');
                    box.addEventListener('dblclick', () => this.sweep(f.control));
                }
            }
            this.boxes[f.control] = box;
            const label = fieldLabel(f);
            // The unit beside the box, as the window has it.
            const unit = f.kind !== 'check' && f.unit ? ` (${core(f.unit)})` : '';
            fields.append(element('label', { htmlFor: id, textContent: label + unit }), element('span', {}, box));
        }
        // The sliders (and the two-piston window's up-downs) the engine keeps.
        const state = JSON.parse(this.engine.state());
        this.sliders = {};
        for (const [control, min, max, position] of state.sliders) {
            const slider = element('input', { type: 'range', min, max, name: `${control}TB`,
                                              id: `${this.name}-${control}TB`,
                                              value: position ?? min });
            // The hot-temperature slider has its minimum at the hot end.
            if (control === 'HotTemp') slider.classList.add('reversed');
            slider.addEventListener('input', () =>
                this.act(() => this.engine.run(`${control}TB`, Number(slider.value))));
            this.sliders[control] = slider;
            const label = core(this.fields.find((f) => f.control === control).label);
            fields.append(element('label', { textContent: tr('%1 slider', label), htmlFor: slider.id }), slider);
        }
        for (const [control, upDown] of Object.entries(state.upDowns ?? {})) {
            const steps = element('span', { className: 'updown' });
            for (const [caption, up] of [['\u25b2', 1], ['\u25bc', 0]]) {
                const b = element('button', { textContent: caption, name: `${upDown}-${up}`,
                                              title: up ? tr('Up') : tr('Down') });
                const label = core(this.fields.find((f) => f.control === control).label);
                b.ariaLabel = up ? tr('%1 up', label) : tr('%1 down', label);
                b.addEventListener('click', () => this.act(() => this.engine.run(upDown, up)));
                steps.append(b);
            }
            this.boxes[control].after(steps);
        }
        this.problem = element('p', { className: 'problem' });
        const buttons = element('div', { className: 'buttons' });
        this.buttons = {};
        for (const [caption, action, arg] of this.design.buttons) {
            const b = element('button', { textContent: core(caption), name: action });
            b.addEventListener('click', () => this.act(() => this.engine.run(action, arg)));
            this.buttons[action] = b;
            buttons.append(b);
        }
        const inputs = element('div', { className: 'panel' }, fields, this.problem, buttons,
                               this.buildPageTools());
        if (this.fields.some((f) => f.sweep))
            inputs.append(element('p', { className: 'hint',
                textContent: tr('Double-click on a yellow box to sweep it ("Super Graphs").') }));
        const [w, h] = this.design.picture;
        this.canvas = element('canvas', { width: w, height: h });
        this.canvas.setAttribute('role', 'img');
        this.canvas.style.setProperty('--w', w);
        this.canvas.style.setProperty('--h', h);
        this.volume = element('div', { className: 'volume' });
        const picture = element('div', { className: 'panel picture' }, this.canvas, this.volume);
        this.grid = element('table', { className: 'grid' });
        root.append(this.error, this.status, element('div', { className: 'top' }, inputs, picture,
                                        element('div', { className: 'panel' }, this.grid)));
        const charts = element('div', { className: 'charts' });
        root.append(charts);
        document.getElementById('engines').append(root);
        this.charts = [];
        const metas = JSON.parse(this.engine.charts());
        for (let i = 0; i < this.design.charts; ++i) this.charts.push(new ChartView(this, i, metas[i], charts));
        // The sweep's net-work graph: the four charts after the engine's.
        this.sweepIndices = [0, 1, 2, 3].map((k) => this.design.charts + k);
        if (this.fields.some((f) => f.sweep)) this.buildSweep(root);
    }

    // What the desktop window's own buttons do around the engine: Save and
    // Load of parameter files, Print (the one-page report), Hold, and the
    // page's own Copy link.
    buildPageTools() {
        const tools = element('div', { className: 'buttons page-tools' });
        const add = (caption, name, title, action) => {
            const b = element('button', { textContent: caption, name, title });
            b.addEventListener('click', action);
            tools.append(b);
        };
        add(trFrom('SimulatorFrame', 'Save'), 'save', trFrom('SimulatorFrame', 'Save current set of parameters'),
            () => this.saveParameters());
        this.picker = element('input', { type: 'file', accept: '.PAR,.par', hidden: true, name: 'load-file' });
        this.picker.addEventListener('change', () => this.loadParameters(this.picker.files[0]));
        add(trFrom('SimulatorFrame', 'Load'), 'load', trFrom('SimulatorFrame', 'Load parameters from disk'),
            () => this.picker.click());
        add(trFrom('SimulatorFrame', 'Print'), 'print', tr('Print a one-page report'), () => printReport(this));
        add(tr('Copy link'), 'copy-link', tr('A link that opens this engine with these values'),
            () => this.copyLink());
        const hold = element('input', { type: 'checkbox', id: `${this.name}-HoldCB`, name: 'hold' });
        hold.addEventListener('change', () => {
            for (const c of this.charts) c.hold(hold.checked);
        });
        tools.append(this.picker, element('label', { className: 'hold' }, hold, ` ${trFrom('ChartHold', 'Hold')}`));
        this.linkBox = element('input', { type: 'text', readOnly: true, className: 'link', hidden: true,
                                          ariaLabel: tr('Link to this lesson') });
        return element('div', {}, tools, this.linkBox);
    }

    saveParameters() {
        const bytes = this.engine.saveParameters();
        download(`${this.design.title.replace(/[^A-Za-z0-9-]+/g, '-')}.PAR`,
                 new Blob([bytes], { type: 'application/octet-stream' }));
    }

    async loadParameters(file) {
        if (!file) return;
        const bytes = new Uint8Array(await file.arrayBuffer());
        this.picker.value = '';
        this.stopTimers();
        this.act(() => this.engine.loadParameters(file.name, bytes));
        document.body.dataset.loads = Number(document.body.dataset.loads || 0) + 1;
    }

    // Every field's text, as a lesson link carries it.
    texts() {
        return Object.fromEntries(this.fields.map((f) =>
            [f.control, f.kind === 'check' ? (this.engine.checked(f.control) ? 'Y' : 'N')
                                           : this.engine.text(f.control)]));
    }

    copyLink() {
        const address = new URL(location.href);
        address.hash = lessonHash(this.name, this.texts());
        history.replaceState(null, '', address.hash);
        this.linkBox.value = address.href;
        this.linkBox.hidden = false;
        this.linkBox.select();
        // The clipboard may be refused (no permission, an old browser): the
        // link stays in the box, selected, to copy by hand.
        navigator.clipboard?.writeText(address.href).then(
            () => { this.error.textContent = ''; },
            () => { this.error.textContent = tr('Copy the link from the box below the buttons.'); });
    }

    buildSweep(root) {
        const choice = element('select', { name: 'sweep-field', id: `${this.name}-sweep-field` });
        for (const f of this.fields.filter((f) => f.sweep))
            choice.append(element('option', { value: f.control, textContent: core(f.label) }));
        const start = element('button', { textContent: tr('Sweep'), name: 'sweep' });
        start.addEventListener('click', () => this.sweep(choice.value));
        this.sweepStatus = element('span', { className: 'hint' });
        this.memo = element('div', { className: 'memo' });
        const charts = element('div', { className: 'charts' });
        this.sweepPanel = element('section', { className: 'sweep-panel', hidden: true },
                                  element('h2', { textContent: trFrom('Kelvane', 'Net Work Graph') }), this.memo, charts);
        root.append(element('div', { className: 'panel sweep-controls' },
                            element('label', { htmlFor: choice.id, textContent: `${tr('Sweep')} ` }), choice, ' ', start,
                            ' ', this.sweepStatus), this.sweepPanel);
        this.sweepChartBox = charts;
    }

    // The sweep holds the page while it runs, as it holds the window: let the
    // page say so first.
    sweep(control) {
        this.sweepStatus.textContent = tr('Sweeping…');
        this.stopTimers();
        setTimeout(() => {
            let refused = '';
            this.act(() => (refused = this.engine.sweep(control)));
            if (refused) {
                // The reason is in the line above the boxes, in the page's
                // language; the graph stays as it was.
                if (this.problem.textContent) this.error.textContent = '';
                this.sweepStatus.textContent = tr('Not swept.');
                return;
            }
            this.sweepPanel.hidden = false;
            // Made at the first sweep: the page opens sooner without them.
            const metas = JSON.parse(this.engine.charts());
            this.sweepCharts ??= this.sweepIndices.map((i) => new ChartView(this, i, metas[i], this.sweepChartBox, true));
            // Worded as the window words them: the first column padded to 50.
            this.memo.textContent = JSON.parse(this.engine.notes()).map(({ first, second }) =>
                (second ? coreMessage(first).padEnd(50) + coreMessage(second) : coreMessage(first))).join('\n');
            for (const c of this.sweepCharts) c.refresh(metas[c.index]);
            this.describe(true);
            this.sweepStatus.textContent = tr('Done.');
            document.body.dataset.sweeps = Number(document.body.dataset.sweeps || 0) + 1;
        }, 20);
    }

    // announce: say the results to a screen reader (not at every tick of
    // the animation, and once typing pauses).
    act(action, announce = true) {
        const message = action();
        this.error.textContent = message || '';
        this.refresh();
        if (!announce) return;
        this.describe(true);
        clearTimeout(this.announcing);
        this.announcing = setTimeout(() => {
            const rows = JSON.parse(this.engine.grid()).filter(([, value]) => value.trim());
            this.status.textContent = this.error.textContent || this.problem.textContent ||
                rows.map(([label, value]) => `${core(label.trim())} ${value.trim()}`).join('; ');
        }, 700);
    }

    refresh() {
        const e = this.engine;
        const problems = JSON.parse(e.problems());
        for (const [control, box] of Object.entries(this.boxes)) {
            const p = problems.find((q) => q.control === control);
            box.classList.toggle('marked', !!p);
            if (box.type === 'checkbox') {
                box.checked = e.checked(control);
            } else {
                if (p) box.title = coreMessage(p.wording);
                const text = e.text(control);
                if (box.value !== text && document.activeElement !== box) box.value = text;
            }
        }
        this.problem.textContent = problems.length
            ? coreMessage(problems[0].wording) +
              (problems.length > 1 ? ` ${trFrom('FieldMarks', '(and %1 more)', problems.length - 1)}` : '') : '';
        const rows = JSON.parse(e.grid());
        if (this.grid.rows.length !== rows.length) {
            this.grid.replaceChildren(...rows.map(() =>
                element('tr', {}, element('th', { scope: 'row' }), element('td'))));
        }
        rows.forEach(([label, value], r) => {
            const cells = this.grid.rows[r].cells;
            if (cells[0].textContent !== core(label)) cells[0].textContent = core(label);
            if (cells[1].textContent !== value) cells[1].textContent = value;
        });
        this.volume.textContent = coreMessage(JSON.parse(e.volumeWording()));
        const [w, h] = this.design.picture;
        const pixels = e.picture(w, h);
        this.canvas.getContext('2d').putImageData(
            new ImageData(new Uint8ClampedArray(pixels.buffer), w, h), 0, 0);
        const metas = JSON.parse(e.charts());
        for (const c of this.charts) c.refresh(metas[c.index]);
        this.describe();
        this.syncTimers();
    }

    // The charts and the picture in words, for screen readers; while the
    // animation runs, not more often than twice a second.
    describe(now = false) {
        if (!now && this.described && performance.now() - this.described < 500) return;
        this.described = performance.now();
        const words = JSON.parse(this.engine.descriptions());
        this.canvas.ariaLabel = pictureWords(words.picture) || trFrom('kelvane::SimulatorFrame', 'Engine picture');
        for (const c of this.charts.concat(this.sweepCharts ?? [])) c.describe(words.charts[c.index]);
    }

    // The engine says whether its timers run; the page keeps them.
    syncTimers() {
        const state = JSON.parse(this.engine.state());
        if (this.buttons.pause) this.buttons.pause.textContent = core(state.pause.replace('&', ''));
        for (const [control, , , position] of state.sliders) {
            const slider = this.sliders[control];
            if (position !== null && document.activeElement !== slider) slider.value = position;
        }
        for (const pan of ['panLeft', 'panRight'])
            if (this.buttons[pan]) this.buttons[pan].disabled = !state.strip;
        // An engine run step by step keeps its timer while paused: it says whether it runs.
        const running = this.active && state.timer && (state.animating ?? true);
        if (!running || (this.timer && this.timer.interval !== state.interval)) this.stopTimers();
        if (running && !this.timer) {
            const id = setInterval(() => this.act(() => this.engine.run('tick', 0), false), state.interval);
            this.timer = { id, interval: state.interval };
        }
        if (state.graphTimer && !this.graphTimer) {
            this.graphTimer = setTimeout(() => {
                this.graphTimer = null;
                this.act(() => this.engine.run('graphTimer', 0), false);
            }, 250);
        }
    }

    stopTimers() {
        if (this.timer) clearInterval(this.timer.id);
        this.timer = null;
    }

    show(active) {
        this.active = active;
        this.root.hidden = !active;
        if (active) this.refresh();
        else this.stopTimers();
    }
}

// A field's name as the window shows it: a check box's is its caption there.
function fieldLabel(f) {
    if (f.control === 'StripChartCB') return trFrom('kelvane::TRingbomStirlingMainForm', 'Strip Chart');
    if (f.control === 'AllDataCB') return trFrom('kelvane::TRingbomStirlingMainForm', 'All Data');
    return core(f.label || f.control);
}

// The engine's words for its picture ("Engine picture. Angle: 90,
// Displacer: 20. Vol = 310."), with the labels translated.
function pictureWords(words) {
    const parts = words.match(/^Engine picture\.(?: (.*?)\.)?( Vol = .*)?$/);
    if (!parts || language === 'en') return words;
    const lines = parts[1] ? ` ${parts[1].split(', ').map(coreLine).join(', ')}.` : '';
    return `${trFrom('kelvane::SimulatorFrame', 'Engine picture')}.${lines}${parts[2] ?? ''}`;
}

// A lesson link: the engine and every field's text after '#', so that
// nothing reaches a server ("#engine=gamma&HotTemp=650&embed=1"). An older
// address names only the engine ("#gamma").
function readLesson(hash) {
    const text = hash.replace(/^#/, '');
    if (!text.includes('=')) return { engine: text, texts: {}, embed: false };
    const params = new URLSearchParams(text);
    const texts = {};
    for (const [key, value] of params) {
        if (!['engine', 'embed', 'lang'].includes(key)) texts[key] = value;
    }
    return { engine: params.get('engine') ?? '', texts, embed: params.get('embed') === '1' };
}

function lessonHash(name, texts) {
    const params = new URLSearchParams({ engine: name, ...texts });
    if (document.body.classList.contains('embedded')) params.set('embed', '1');
    return `#${params}`;
}

// Says on the page what a link asked for that the page cannot do; the
// names are shown as text, never run.
function noteLink(message) {
    const note = document.getElementById('link-note');
    note.textContent = note.textContent ? `${note.textContent} ${message}` : message;
    note.hidden = false;
}

function select(name, texts = {}) {
    document.querySelectorAll('#tabs button').forEach((b) =>
        b.setAttribute('aria-selected', String(b.dataset.engine === name)));
    if (!tabs[name]) {
        const tab = new EngineTab(name, { ...kept[name], ...texts });
        tabs[name] = tab;
        const unknown = Object.keys(texts).filter((c) => !tab.fields.some((f) => f.control === c));
        if (unknown.length) {
            const names = unknown.map((c) => `"${c.slice(0, 40)}"`).join(', ');
            const engine = core(kEngines[name].caption);
            noteLink(unknown.length > 1 ? tr('The link\'s %1 are not fields of the %2: ignored.', names, engine)
                                        : tr('The link\'s %1 is not a field of the %2: ignored.', names, engine));
        }
    }
    for (const [n, tab] of Object.entries(tabs)) tab.show(n === name);
    const help = kEngines[name].help;
    document.getElementById('help-link').href = `help/${help} Help.HTM`;
    document.getElementById('tutor-link').href = `help/${help} Tutorial.HTM`;
}

// The report: title, date, parameters with units, grid, picture and the
// charts on show, laid out for one printed page by the print style sheet.
function printReport(tab) {
    const report = document.getElementById('report');
    const parameters = element('table', { className: 'parameters' });
    for (const f of tab.fields) {
        const value = f.kind === 'check' ? (tab.engine.checked(f.control) ? tr('Yes') : tr('No'))
                                         : tab.engine.text(f.control);
        parameters.append(element('tr', {}, element('td', { textContent: fieldLabel(f) }),
                                  element('td', { textContent: value }),
                                  element('td', { textContent: f.kind === 'check' ? '' : core(f.unit) })));
    }
    const grid = element('table', { className: 'grid' });
    for (const [label, value] of JSON.parse(tab.engine.grid()))
        grid.append(element('tr', {}, element('td', { textContent: core(label) }), element('td', { textContent: value })));
    const picture = element('img', { src: tab.canvas.toDataURL('image/png'),
                                     alt: trFrom('kelvane::SimulatorFrame', 'Engine picture') });
    const shown = tab.charts.concat(tab.sweepPanel && !tab.sweepPanel.hidden ? tab.sweepCharts ?? [] : []);
    // Three columns once the net-work graph's charts join the engine's: one page still.
    const charts = element('div', { className: `report-charts${shown.length > 6 ? ' three' : ''}` });
    for (const c of shown) charts.append(c.svg(true));
    report.replaceChildren(
        element('h1', { textContent: core(tab.design.caption) }),
        element('p', { className: 'date', textContent: new Date().toLocaleString(language) }),
        element('div', { className: 'report-top' }, parameters, grid,
                element('figure', {}, picture, element('figcaption', { textContent: tab.volume.textContent }))),
        charts);
    document.body.dataset.reports = Number(document.body.dataset.reports || 0) + 1;
    window.print();
}

// Every made tab's texts, kept across the reload that changes the language.
const kKeptTexts = 'kelvane-texts';
const kept = (() => {
    try {
        const texts = JSON.parse(sessionStorage.getItem(kKeptTexts) ?? '{}');
        sessionStorage.removeItem(kKeptTexts);
        return texts;
    } catch { return {}; }
})();

// The page's own texts, and the language menu: a new language reloads the
// page with the tab and its texts as they are.
function translatePage() {
    document.title = tr('Kelvane: Stirling engine simulators');
    const english = language === 'en' ? '' : trFrom('kelvane::HelpWindow', 'The help pages are in English.');
    for (const [id, text] of [['help-link', trFrom('SimulatorFrame', 'Help')],
                              ['tutor-link', trFrom('SimulatorFrame', 'Tutor')],
                              ['intro-link', trFrom('kelvane::TKelvaneDispatchForm', 'Introduction')]]) {
        const link = document.getElementById(id);
        link.textContent = text;
        if (english) link.title = english;
        if (english) link.hreflang = 'en';
    }
    const menu = element('select', { id: 'language', name: 'language' });
    for (const [code, name] of kLanguages)
        menu.append(element('option', { value: code, lang: code, textContent: name, selected: code === language }));
    menu.addEventListener('change', () => {
        remember(menu.value);
        // The other tabs' texts wait in the session; the shown tab's and the
        // language go in the address, which holds them even where storage is refused.
        try {
            sessionStorage.setItem(kKeptTexts, JSON.stringify(
                Object.fromEntries(Object.entries(tabs).map(([name, tab]) => [name, tab.texts()]))));
        } catch { /* the shown tab keeps its texts all the same */ }
        const shown = Object.entries(tabs).find(([, tab]) => tab.active);
        const params = new URLSearchParams(shown ? lessonHash(shown[0], shown[1].texts()).slice(1) : '');
        params.set('lang', menu.value);
        history.replaceState(null, '', `#${params}`);
        location.reload();
    });
    document.querySelector('header .links').append(
        element('label', { htmlFor: menu.id, textContent: trFrom('kelvane::TKelvaneDispatchForm', 'Language') }),
        ' ', menu);
}

translatePage();
document.getElementById('loading').remove();
const lesson = readLesson(location.hash);
if (lesson.embed) document.body.classList.add('embedded');
for (const { name, title } of Object.values(kEngines)) {
    // Gamma, Ringbom and Beta are names; the two-piston engine's is words.
    const b = element('button', { role: 'tab', textContent: name === 'rider' ? tr('Two-piston') : core(title) });
    b.dataset.engine = name;
    b.addEventListener('click', () => {
        select(name);
        history.replaceState(null, '', lessonHash(name, {}));
    });
    document.getElementById('tabs').append(b);
}
if (lesson.engine && !kEngines[lesson.engine])
    noteLink(tr('The link names no engine "%1": showing the first.', lesson.engine.slice(0, 40)));
select(kEngines[lesson.engine] ? lesson.engine : Object.keys(kEngines)[0], lesson.texts);
// How long the first analysis took to show, from the start of the navigation.
document.body.dataset.firstAnalysisMs = Math.round(performance.now());

// Offline: after one visit the service worker serves the whole folder.
if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    navigator.serviceWorker.register('sw.js').then(() => navigator.serviceWorker.ready)
        .then(() => { document.body.dataset.offlineReady = '1'; })
        .catch(() => {});
}
