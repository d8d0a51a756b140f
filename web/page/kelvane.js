// The page around the WebAssembly engines: it builds each tab from the
// engine's field table, passes every edit, button and chart click to the
// engine, and redraws what the engine holds (grid, charts, picture, notes).
// The engines compute; this file only shows.
import KelvaneEngines from './kelvane_engines.mjs';
// uPlot's minified build, loaded by the page before this module (it parses sooner).
const { uPlot } = globalThis;

const M = await KelvaneEngines();
// Every engine's tab comes from the catalog: name, title, picture size, help
// pages, charts and buttons.
const kEngines = Object.fromEntries(JSON.parse(M.catalog()).map((e) => [e.name, e]));
const tabs = {};

function element(tag, props = {}, ...children) {
    const e = Object.assign(document.createElement(tag), props);
    e.append(...children);
    return e;
}

// A value axis as wide as its longest label, so that a long one ("-100,000")
// does not run under the axis title.
function valueAxisSize(plot, values, axisIndex, cycle) {
    const axis = plot.axes[axisIndex];
    if (cycle > 1)
        return axis._size;
    const longest = (values || []).reduce((a, v) => (v.length > a.length ? v : a), '');
    plot.ctx.font = axis.font[0];
    const text = longest ? plot.ctx.measureText(longest).width / devicePixelRatio : 0;
    return Math.ceil(axis.ticks.size + axis.gap + text + 4);
}

// A uPlot chart over one of the engine's charts; each series keeps its own
// x values (uPlot's mode 2), as markers and the pressure-volume loop need.
class ChartView {
    constructor(tab, index, parent) {
        this.tab = tab;
        this.index = index;
        this.meta = JSON.parse(tab.engine.charts())[index];
        this.last = JSON.stringify(this.meta);
        const range = (axis) => (u, lo, hi) => {
            const a = this.meta[axis];
            if (!a.automatic && !a.autoMin && !a.autoMax)
                return [a.min, a.max];
            let [from, to] = [a.autoMin || a.automatic ? lo : a.min,
                              a.autoMax || a.automatic ? hi : a.max];
            if (from == null || to == null) return [0, 1];
            if (from === to) { from -= 1; to += 1; }
            return [from, to];
        };
        const series = [{}].concat(this.meta.series.map((s) => ({
            label: s.title || s.name,
            stroke: s.color,
            width: Math.max(1, s.width),
            // A series drawn as points only (the two-piston pressure-volume loop).
            paths: s.line ? uPlot.paths.linear() : uPlot.paths.points(),
            fill: s.line ? undefined : s.color,
            points: { show: false, size: 2 * s.pointer + 1, width: 0, fill: s.color },
            facets: [{ scale: 'x', auto: true }, { scale: s.right ? 'y2' : 'y', auto: true }],
        })));
        const hasRight = this.meta.series.some((s) => s.right);
        const box = element('div', { className: 'chart' });
        parent.append(box);
        this.box = box;
        this.plot = new uPlot({
            mode: 2,
            width: 470,
            height: index >= 4 ? 260 : 230,
            title: this.meta.title,
            legend: { show: this.meta.legend, live: false },
            cursor: { drag: { x: false, y: false }, points: { show: false } },
            scales: { x: { time: false, range: range('bottom') }, y: { range: range('left') },
                      y2: { range: range('right') } },
            axes: [{ label: this.meta.bottom.title },
                   { label: this.meta.left.title, scale: 'y', size: valueAxisSize },
                   ...(hasRight ? [{ label: this.meta.right.title, scale: 'y2', side: 1,
                                     size: valueAxisSize, grid: { show: false } }] : [])],
            series,
        }, this.data(), box);
        box.plot = this.plot; // for the browser test's look at the drawing
        const csv = element('button', { className: 'csv', textContent: 'Download CSV' });
        csv.addEventListener('click', () => this.download());
        box.append(csv);
        // Charts of a revolution: a click moves the crank to the angle under it.
        if (index < 4) {
            this.plot.over.addEventListener('click', (e) => {
                tab.act(() => tab.engine.click(index, e.offsetX, 0, this.plot.over.clientWidth));
            });
        }
    }

    data() {
        return [null].concat(this.meta.series.map((_, i) => {
            const xy = this.tab.engine.points(this.index, i);
            const n = xy.length / 2;
            const xs = new Float64Array(n), ys = new Float64Array(n);
            for (let k = 0; k < n; ++k) { xs[k] = xy[2 * k]; ys[k] = xy[2 * k + 1]; }
            return [xs, ys];
        }));
    }

    refresh(meta) {
        const text = JSON.stringify(meta);
        if (text === this.last) return;
        this.last = text;
        this.meta = meta;
        const title = this.plot.root.querySelector('.u-title');
        if (title) title.textContent = meta.title;
        this.plot.setData(this.data());
    }

    download() {
        const lines = ['series,x,y'];
        this.meta.series.forEach((s, i) => {
            const xy = this.tab.engine.points(this.index, i);
            for (let k = 0; k < xy.length; k += 2) lines.push(`${s.name},${xy[k]},${xy[k + 1]}`);
        });
        const link = element('a', {
            href: URL.createObjectURL(new Blob([lines.join('\n') + '\n'], { type: 'text/csv' })),
            download: `${this.tab.name}-${this.meta.name}${this.index >= 5 ? '-sweep' : ''}.csv`,
        });
        link.click();
        URL.revokeObjectURL(link.href);
    }
}

class EngineTab {
    constructor(name) {
        this.name = name;
        this.design = kEngines[name];
        this.engine = M.makeEngine(name);
        this.fields = JSON.parse(this.engine.fields());
        this.engine.defaults();
        this.boxes = {};
        this.timer = null;
        this.graphTimer = null;
        // Shown before the page is built, so that each chart draws once, with its data.
        this.shown = this.engine.run('show', 0);
        this.build();
        this.error.textContent = this.shown;
    }

    build() {
        const root = element('section', { className: 'engine', id: `engine-${this.name}` });
        this.root = root;
        this.error = element('div', { className: 'error', role: 'alert' });
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
                box.title = f.unit ? `${f.label} (${f.unit})` : f.label;
                box.addEventListener('input', () =>
                    this.act(() => this.engine.edit(f.control, box.value)));
                if (f.sweep) {
                    box.classList.add('sweep');
                    box.addEventListener('dblclick', () => this.sweep(f.control));
                }
            }
            this.boxes[f.control] = box;
            const label = f.kind === 'check' ? f.control.replace(/CB$/, '').replace(/([a-z])([A-Z])/g, '$1 $2')
                                             : f.label || f.control;
            // The unit beside the box, as the window has it.
            const unit = f.kind !== 'check' && f.unit ? ` (${f.unit})` : '';
            fields.append(element('label', { htmlFor: id, textContent: label + unit }), element('span', {}, box));
        }
        // The sliders (and the two-piston window's up-downs) the engine keeps.
        const state = JSON.parse(this.engine.state());
        this.sliders = {};
        for (const [control, min, max, position] of state.sliders) {
            const slider = element('input', { type: 'range', min, max, name: `${control}TB`,
                                              value: position ?? min });
            // The hot-temperature slider has its minimum at the hot end.
            if (control === 'HotTemp') slider.classList.add('reversed');
            slider.addEventListener('input', () =>
                this.act(() => this.engine.run(`${control}TB`, Number(slider.value))));
            this.sliders[control] = slider;
            const label = this.fields.find((f) => f.control === control).label;
            fields.append(element('label', { textContent: `${label} slider` }), slider);
        }
        for (const [control, upDown] of Object.entries(state.upDowns ?? {})) {
            const steps = element('span', { className: 'updown' });
            for (const [caption, up] of [['\u25b2', 1], ['\u25bc', 0]]) {
                const b = element('button', { textContent: caption, name: `${upDown}-${up}`,
                                              title: up ? 'Up' : 'Down' });
                b.addEventListener('click', () => this.act(() => this.engine.run(upDown, up)));
                steps.append(b);
            }
            this.boxes[control].after(steps);
        }
        this.problem = element('p', { className: 'problem' });
        const buttons = element('div', { className: 'buttons' });
        this.buttons = {};
        for (const [caption, action, arg] of this.design.buttons) {
            const b = element('button', { textContent: caption, name: action });
            b.addEventListener('click', () => this.act(() => this.engine.run(action, arg)));
            this.buttons[action] = b;
            buttons.append(b);
        }
        const inputs = element('div', { className: 'panel' }, fields, this.problem, buttons);
        if (this.fields.some((f) => f.sweep))
            inputs.append(element('p', { className: 'hint',
                textContent: 'Double-click on a yellow box to sweep it ("Super Graphs").' }));
        const [w, h] = this.design.picture;
        this.canvas = element('canvas', { width: w, height: h });
        this.canvas.style.setProperty('--w', w);
        this.canvas.style.setProperty('--h', h);
        this.volume = element('div', { className: 'volume' });
        const picture = element('div', { className: 'panel picture' }, this.canvas, this.volume);
        this.grid = element('table', { className: 'grid' });
        root.append(this.error, element('div', { className: 'top' }, inputs, picture,
                                        element('div', { className: 'panel' }, this.grid)));
        const charts = element('div', { className: 'charts' });
        root.append(charts);
        document.getElementById('engines').append(root);
        this.charts = [];
        for (let i = 0; i < this.design.charts; ++i) this.charts.push(new ChartView(this, i, charts));
        // The sweep's net-work graph: the four charts after the engine's.
        this.sweepIndices = [0, 1, 2, 3].map((k) => this.design.charts + k);
        if (this.fields.some((f) => f.sweep)) this.buildSweep(root);
    }

    buildSweep(root) {
        const choice = element('select', { name: 'sweep-field' });
        for (const f of this.fields.filter((f) => f.sweep))
            choice.append(element('option', { value: f.control, textContent: f.label }));
        const start = element('button', { textContent: 'Sweep', name: 'sweep' });
        start.addEventListener('click', () => this.sweep(choice.value));
        this.sweepStatus = element('span', { className: 'hint' });
        this.memo = element('div', { className: 'memo' });
        const charts = element('div', { className: 'charts' });
        this.sweepPanel = element('section', { className: 'sweep-panel', hidden: true },
                                  element('h2', { textContent: 'Net work graph' }), this.memo, charts);
        root.append(element('div', { className: 'panel sweep-controls' },
                            'Sweep ', choice, ' ', start, ' ', this.sweepStatus), this.sweepPanel);
        this.sweepChartBox = charts;
    }

    // The sweep holds the page while it runs, as it holds the window: let the
    // page say so first.
    sweep(control) {
        this.sweepStatus.textContent = 'Sweeping…';
        this.stopTimers();
        setTimeout(() => {
            this.act(() => this.engine.sweep(control));
            this.sweepPanel.hidden = false;
            // Made at the first sweep: the page opens sooner without them.
            this.sweepCharts ??= this.sweepIndices.map((i) => new ChartView(this, i, this.sweepChartBox));
            this.memo.textContent = JSON.parse(this.engine.memo()).join('\n');
            for (const c of this.sweepCharts) c.refresh(JSON.parse(this.engine.charts())[c.index]);
            this.sweepStatus.textContent = 'Done.';
            document.body.dataset.sweeps = Number(document.body.dataset.sweeps || 0) + 1;
        }, 20);
    }

    act(action) {
        const message = action();
        this.error.textContent = message || '';
        this.refresh();
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
                if (p) box.title = p.message;
                const text = e.text(control);
                if (box.value !== text && document.activeElement !== box) box.value = text;
            }
        }
        this.problem.textContent = problems.length
            ? problems[0].message + (problems.length > 1 ? ` (and ${problems.length - 1} more)` : '') : '';
        const rows = JSON.parse(e.grid());
        if (this.grid.rows.length !== rows.length) {
            this.grid.replaceChildren(...rows.map(() => element('tr', {}, element('td'), element('td'))));
        }
        rows.forEach(([label, value], r) => {
            const cells = this.grid.rows[r].cells;
            if (cells[0].textContent !== label) cells[0].textContent = label;
            if (cells[1].textContent !== value) cells[1].textContent = value;
        });
        this.volume.textContent = e.volumeText();
        const [w, h] = this.design.picture;
        const pixels = e.picture(w, h);
        this.canvas.getContext('2d').putImageData(
            new ImageData(new Uint8ClampedArray(pixels.buffer), w, h), 0, 0);
        const metas = JSON.parse(e.charts());
        for (const c of this.charts) c.refresh(metas[c.index]);
        this.syncTimers();
    }

    // The engine says whether its timers run; the page keeps them.
    syncTimers() {
        const state = JSON.parse(this.engine.state());
        if (this.buttons.pause) this.buttons.pause.textContent = state.pause.replace('&', '');
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
            const id = setInterval(() => this.act(() => this.engine.run('tick', 0)), state.interval);
            this.timer = { id, interval: state.interval };
        }
        if (state.graphTimer && !this.graphTimer) {
            this.graphTimer = setTimeout(() => {
                this.graphTimer = null;
                this.act(() => this.engine.run('graphTimer', 0));
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

function select(name) {
    document.querySelectorAll('#tabs button').forEach((b) =>
        b.setAttribute('aria-selected', String(b.dataset.engine === name)));
    tabs[name] ??= new EngineTab(name);
    for (const [n, tab] of Object.entries(tabs)) tab.show(n === name);
    const help = kEngines[name].help;
    document.getElementById('help-link').href = `help/${help} Help.HTM`;
    document.getElementById('tutor-link').href = `help/${help} Tutorial.HTM`;
    history.replaceState(null, '', `#${name}`);
}

document.getElementById('loading').remove();
for (const { name, title } of Object.values(kEngines)) {
    const b = element('button', { role: 'tab', textContent: title });
    b.dataset.engine = name;
    b.addEventListener('click', () => select(name));
    document.getElementById('tabs').append(b);
}
select(kEngines[location.hash.slice(1)] ? location.hash.slice(1) : Object.keys(kEngines)[0]);
// How long the first analysis took to show, from the start of the navigation.
document.body.dataset.firstAnalysisMs = Math.round(performance.now());
