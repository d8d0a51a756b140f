// Opens the web edition in headless Chromium, served by python3 -m http.server
// as a student would, and works each tab: types parameters, presses buttons,
// checks the grid against kelvane-cli and that every chart drew, runs a
// sweep to its end, and saves a screenshot of each tab.
//   node browser.mjs SITE_DIR KELVANE_CLI SCREENSHOT_DIR
import { spawn, spawnSync } from 'node:child_process';
import { existsSync, mkdirSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { cpus, loadavg, tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import puppeteer from 'puppeteer-core';

const [siteDir, cli, shots] = process.argv.slice(2);
mkdirSync(shots, { recursive: true });
const port = 18000 + (process.pid % 1000);
const origin = `http://127.0.0.1:${port}`;
const failures = [];
const check = (ok, what) => { if (!ok) failures.push(what); };

const server = spawn('python3', ['-m', 'http.server', String(port), '--bind', '127.0.0.1'],
                     { cwd: siteDir, stdio: 'ignore' });
const profile = mkdtempSync(join(tmpdir(), 'kelvane-chromium-'));
let browser;
try {
    for (let i = 0; i < 50; ++i) {
        try { await fetch(origin); break; } catch { await new Promise((r) => setTimeout(r, 100)); }
    }
    // This machine's network is closed: Chromium's own connections are turned off.
    browser = await puppeteer.launch({
        executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
        headless: true,
        args: ['--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage', '--disable-quic', '--no-first-run',
               '--disable-background-networking', '--disable-component-update', '--disable-sync',
               `--user-data-dir=${profile}`],
    });
    // The first analysis, on a page opened afresh (no cache) each time: the
    // best of five to eight loads (the aim is 300 ms), since other work on the machine slows any one
    // of them. On a machine loaded beyond twice its processors the time says
    // little of the page, and is reported without being judged.
    const times = [];
    while (times.length < 5 || (times.length < 8 && !(Math.min(...times) < 1000))) {
        const context = await browser.createBrowserContext();
        const fresh = await context.newPage();
        await fresh.goto(`${origin}/index.html`);
        await fresh.waitForSelector('body[data-first-analysis-ms]', { timeout: 10000 });
        times.push(Number(await fresh.$eval('body', (b) => b.dataset.firstAnalysisMs)));
        await context.close();
    }
    const firstMs = Math.min(...times);
    const busy = loadavg()[0] > 2 * cpus().length;
    console.log(`first analysis shown ${times.join(', ')} ms after the page was asked for (best ${firstMs})` +
                (busy && firstMs >= 1000 ? ` (not judged: load average ${loadavg()[0]})` : ''));
    check(firstMs < 1000 || busy, `the first analysis took ${firstMs} ms at best`);

    const page = await browser.newPage();
    await page.setViewport({ width: 1500, height: 1300 });
    page.on('request', (r) => check(r.url().startsWith(origin) || r.url().startsWith('blob:') || r.url().startsWith('data:'),
                                    `fetched from elsewhere: ${r.url()}`));
    page.on('pageerror', (e) => failures.push(`page error: ${e.message}`));
    page.on('console', (m) => check(m.type() !== 'error', `console: ${m.text()}`));

    await page.goto(`${origin}/index.html`);
    await page.waitForSelector('body[data-first-analysis-ms]', { timeout: 10000 });

    const grid = (engine) => page.$$eval(`#engine-${engine} table.grid tr`,
        (rows) => rows.map((r) => [...r.cells].map((c) => c.textContent)));
    const cliGrid = (args) => spawnSync(cli, args, { encoding: 'utf8' }).stdout
        .trim().split('\n').map((l) => l.split('\t'));
    // A chart drew when its plot area holds pixels darker than its grid lines
    // (the axes, ticks and labels lie outside it).
    const chartsDrawn = (engine, from = 0) => page.$$eval(`#engine-${engine} .chart`, (charts, from) =>
        charts.slice(from).map((c) => {
            const { left, top, width, height } = c.plot.bbox;
            const context = c.querySelector('canvas').getContext('2d');
            const { data } = context.getImageData(left, top, width, height);
            let drawn = 0;
            for (let i = 0; i < data.length; i += 4) {
                if (data[i + 3] > 0 && Math.min(data[i], data[i + 1], data[i + 2]) < 200) ++drawn;
            }
            return drawn;
        }), from);
    const type = async (engine, control, text) => {
        const box = `#${engine}-${control}`;
        await page.click(box, { clickCount: 3 });
        await page.keyboard.press('Backspace');
        await page.type(box, text);
    };
    const press = (engine, action) => page.click(`#engine-${engine} button[name="${action}"]`);
    const sameRows = (a, b, rows) => rows.every((r) => JSON.stringify(a[r]) === JSON.stringify(b[r]));

    // Gamma opens turning (Fast); Stop stops the crank.
    const crank = () => page.$eval('#gamma-Phase', (b) => b.value);
    const turning = await crank();
    await new Promise((r) => setTimeout(r, 700));
    check(await crank() !== turning, 'the Gamma crank does not turn');
    await press('gamma', 'stop');
    const stopped = await crank();
    await new Promise((r) => setTimeout(r, 400));
    check(await crank() === stopped, 'Stop does not stop the crank');

    // Gamma: parameters typed, Calc, the grid's revolution rows as kelvane-cli has them.
    await type('gamma', 'PistonThrow', '45');
    await type('gamma', 'HotTemp', '650');
    await press('gamma', 'calcButton');
    const gammaRows = [5, 6, 7, 8, 9, 10, 11];
    check(sameRows(await grid('gamma'),
                   cliGrid(['gamma', '--set', 'PistonThrow=45', '--set', 'HotTemp=650']), gammaRows),
          `Gamma grid ${JSON.stringify(await grid('gamma'))}`);
    const drawn = await chartsDrawn('gamma');
    check(drawn.slice(0, 5).every((n) => n > 50), `Gamma charts drawn: ${drawn}`);

    // A text the engine cannot use marks its box and leaves the results.
    await type('gamma', 'DispCylDiameter', 'abc');
    check(await page.$eval('#gamma-DispCylDiameter', (b) => b.classList.contains('marked')),
          'a box with "abc" is not marked');
    check((await page.$eval('#engine-gamma .problem', (p) => p.textContent)).includes('number'),
          'no problem line for "abc"');
    await type('gamma', 'DispCylDiameter', '100');
    check(!await page.$eval('#gamma-DispCylDiameter', (b) => b.classList.contains('marked')),
          'the box stays marked once its text is usable');

    // A click halfway along a revolution chart moves the crank to 180 degrees.
    const over = await page.$('#engine-gamma .chart .u-over');
    const box = await over.boundingBox();
    await page.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
    const phase = Number(await page.$eval('#gamma-Phase', (b) => b.value));
    check(phase >= 175 && phase <= 185, `a click at the middle moved the crank to ${phase}`);

    // A sweep the engine refuses says so and shows no graph.
    await type('gamma', 'HotTemp', 'x');
    await page.select('#engine-gamma select[name="sweep-field"]', 'PhaseOffset');
    await press('gamma', 'sweep');
    await page.waitForFunction(() => document.querySelector('#engine-gamma .sweep-controls .hint').textContent
                                         .endsWith('.'), { timeout: 60000 });
    check(await page.$eval('#engine-gamma', (e) => e.querySelector('.sweep-controls .hint').textContent === 'Not swept.' &&
                                                   e.querySelector('.sweep-panel').hidden &&
                                                   e.querySelector('.problem').textContent !== ''),
          'a refused sweep says so, shows its reason and no graph');
    await type('gamma', 'HotTemp', '650');

    // The sweep of the phase offset, to its end.
    await page.select('#engine-gamma select[name="sweep-field"]', 'PhaseOffset');
    await press('gamma', 'sweep');
    await page.waitForSelector('body[data-sweeps="1"]', { timeout: 60000 });
    const memo = await page.$eval('#engine-gamma .memo', (m) => m.textContent);
    const cliMemo = spawnSync(cli, ['gamma', '--set', 'PistonThrow=45', '--set', 'HotTemp=650',
                                    '--sweep', 'PhaseOffset', '--memo'], { encoding: 'utf8' }).stdout;
    check(memo.trim() === cliMemo.trim(), `sweep notes:\n${memo}\nkelvane-cli:\n${cliMemo}`);
    const swept = await chartsDrawn('gamma', 5);
    check(swept.length === 4 && swept.every((n) => n > 50), `sweep charts drawn: ${swept}`);
    await page.screenshot({ path: join(shots, 'web-gamma.png'), fullPage: true });

    // Ringbom: runs on its own once shown; Pause, Single and Clear.
    await page.click('#tabs button[data-engine="ringbom"]');
    await page.waitForFunction(() =>
        document.querySelector('#engine-ringbom table.grid tr:nth-child(12) td:nth-child(2)')
            ?.textContent.trim() !== '', { timeout: 15000 });
    await press('ringbom', 'pause');
    check(await page.$eval('#engine-ringbom button[name="pause"]', (b) => b.textContent) === 'Resume',
          'Pause does not offer Resume');
    const before = await page.$eval('#ringbom-Phase', (b) => b.value);
    await press('ringbom', 'single');
    check(await page.$eval('#ringbom-Phase', (b) => b.value) !== before, 'Single did not step');
    const ringbomDrawn = await chartsDrawn('ringbom');
    check(ringbomDrawn.every((n) => n > 50), `Ringbom charts drawn: ${ringbomDrawn}`);
    await page.screenshot({ path: join(shots, 'web-ringbom.png'), fullPage: true });
    await press('ringbom', 'clear');
    check((await grid('ringbom')).every((row) => row[1] === ''), 'Clear left values in the grid');
    // The strip-chart controls as in the window: the pans only in strip-chart
    // mode; a pan pauses the run and unticks All Data; Single after Clear
    // starts again from the first step.
    const disabled = (action) => page.$eval(`#engine-ringbom button[name="${action}"]`, (b) => b.disabled);
    await page.click('#ringbom-StripChartCB');
    check(await disabled('panLeft') && await disabled('panRight'), 'the pans stay enabled without Strip Chart');
    await page.click('#ringbom-StripChartCB');
    check(!await disabled('panLeft') && !await disabled('panRight'), 'the pans stay disabled in strip-chart mode');
    await press('ringbom', 'go');
    await page.waitForFunction(() => Number(document.querySelector('#ringbom-Phase').value) >= 60, { timeout: 15000 });
    await press('ringbom', 'panLeft');
    check(!await page.$eval('#ringbom-AllDataCB', (b) => b.checked) &&
              await page.$eval('#engine-ringbom button[name="pause"]', (b) => b.textContent) === 'Resume',
          'a pan did not pause the run and untick All Data');
    await press('ringbom', 'panRight');
    await press('ringbom', 'clear');
    await press('ringbom', 'single');
    check(await page.$eval('#ringbom-Phase', (b) => b.value) === '5', 'Single after Clear did not start at the first step');
    check(await page.$eval('#engine-ringbom .error', (e) => e.textContent) === '', 'the Ringbom controls reported an error');

    // The two-piston engine: typed, Calc, compared.
    await page.click('#tabs button[data-engine="rider"]');
    await page.waitForSelector('#engine-rider table.grid tr');
    await press('rider', 'stop');
    await type('rider', 'HotTemp', '500');
    await type('rider', 'PhaseOffset', '80');
    await press('rider', 'calcButton');
    check(sameRows(await grid('rider'),
                   cliGrid(['rider', '--set', 'HotTemp=500', '--set', 'PhaseOffset=80']), [6, 7, 8]),
          `two-piston grid ${JSON.stringify(await grid('rider'))}`);
    const riderDrawn = await chartsDrawn('rider');
    check(riderDrawn.every((n) => n > 50), `two-piston charts drawn: ${riderDrawn}`);
    await page.screenshot({ path: join(shots, 'web-rider.png'), fullPage: true });

    // Download CSV: every point of the chart's series, one line each.
    const downloads = mkdtempSync(join(tmpdir(), 'kelvane-downloads-'));
    const cdp = await page.createCDPSession();
    await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
    await page.click('#engine-rider .chart button.csv');
    const csvFile = join(downloads, 'rider-Chart1.csv');
    for (let i = 0; i < 50 && !existsSync(csvFile); ++i) await new Promise((r) => setTimeout(r, 100));
    const csv = existsSync(csvFile) ? readFileSync(csvFile, 'utf8').trim().split('\n') : [];
    // The pistons' curves as kelvane-cli has them (the crank-angle marker moved
    // with the crank), to the last bits the comparison with it allows.
    const near = (a, b) => Math.abs(a - b) <= 1e-12 * Math.max(1, Math.abs(b));
    const curvesMatch = ['Series1', 'Series2'].every((name) => {
        const mine = csv.filter((l) => l.startsWith(`${name},`)).map((l) => l.split(',').slice(1));
        const theirs = spawnSync(cli, ['rider', '--set', 'HotTemp=500', '--set', 'PhaseOffset=80',
            '--series', name], { encoding: 'utf8' }).stdout.trim().split('\n').map((l) => l.split(','));
        return mine.length === theirs.length && mine.every((p, i) =>
            near(Number(p[0]), Number(theirs[i][0])) && near(Number(p[1]), Number(theirs[i][1])));
    });
    check(csv[0] === 'series,x,y' && curvesMatch &&
              csv.filter((l) => l.startsWith('Series6,')).length === 2,
          `the downloaded CSV (${csv.length} lines) is not the chart's points`);
    rmSync(downloads, { recursive: true, force: true });

    // An up-down steps its box; the hot-temperature slider writes its box.
    await page.click('#engine-rider button[name="stepHotStrokeMin-1"]');
    check(await page.$eval('#rider-HotStrokeMin', (b) => b.value) === '10',
          'the hot stroke minimum\'s up-down did not step 5 to 10');
    await page.$eval('#engine-rider input[name="HotTempTB"]', (slider) => {
        slider.value = 400;
        slider.dispatchEvent(new Event('input'));
    });
    check(await page.$eval('#rider-HotTemp', (b) => b.value) === '600',
          'the hot-temperature slider at 400 did not make the temperature 600');

    // The Beta engine: its tab, a typed bore and dead volume, Calc, compared
    // with kelvane-cli row by row (the state at the crank angle aside); a
    // cold end above the hot one is marked.
    await page.click('#tabs button[data-engine="beta"]');
    await page.waitForSelector('#engine-beta table.grid tr');
    await press('beta', 'stop');
    await type('beta', 'Bore', '80');
    await type('beta', 'HotDeadVolume', '0');
    await press('beta', 'calcButton');
    check(sameRows(await grid('beta'),
                   cliGrid(['beta', '--set', 'Bore=80', '--set', 'HotDeadVolume=0']),
                   [6, 7, 8, 9, 10, 11, 12, 13, 14, 15]),
          `Beta grid ${JSON.stringify(await grid('beta'))}`);
    check(await page.$eval('label[for="beta-MeanPressure"]', (l) => l.textContent) ===
              'Mean pressure (kPa)', 'the mean pressure box has no unit beside it');
    const betaDrawn = await chartsDrawn('beta');
    check(betaDrawn.every((n) => n > 50), `Beta charts drawn: ${betaDrawn}`);
    await type('beta', 'ColdTemp', '500');
    check(await page.$eval('#beta-ColdTemp', (b) => b.classList.contains('marked')),
          'a cold end above the hot end was not marked');
    await type('beta', 'ColdTemp', '30');
    await page.screenshot({ path: join(shots, 'web-beta.png'), fullPage: true });

    // The texts of a tab, as its Copy link carries them: --set arguments for kelvane-cli.
    const linkTexts = async (engine) => {
        await press(engine, 'copy-link');
        const link = await page.$eval(`#engine-${engine} input.link`, (b) => b.value);
        return new URLSearchParams(new URL(link).hash.slice(1));
    };
    const cliSets = (params) => [...params].filter(([k]) => k !== 'engine' && k !== 'embed')
        .flatMap(([k, v]) => ['--set', `${k}=${v}`]);
    const sweepRun = async (engine, control) => {
        const sweeps = Number(await page.$eval('body', (b) => b.dataset.sweeps || 0));
        await page.select(`#engine-${engine} select[name="sweep-field"]`, control);
        await press(engine, 'sweep');
        await page.waitForSelector(`body[data-sweeps="${sweeps + 1}"]`, { timeout: 90000 });
        return page.$eval(`#engine-${engine} .memo`, (m) => m.textContent);
    };

    // Sweeps of the two-piston engine, one of each kind of input: a
    // temperature (box and slider), a stroke (up-down), the phase offset.
    await page.click('#tabs button[data-engine="rider"]');
    await press('rider', 'stop');
    const riderSets = cliSets(await linkTexts('rider'));
    for (const control of ['HotTemp', 'HotStrokeMax', 'PhaseOffset']) {
        const memo = await sweepRun('rider', control);
        const expected = spawnSync(cli, ['rider', ...riderSets, '--sweep', control, '--memo'],
                                   { encoding: 'utf8' }).stdout;
        check(memo.trim() === expected.trim() && memo.trim() !== '',
              `two-piston sweep of ${control}:\n${memo}\nkelvane-cli:\n${expected}`);
    }
    const riderSwept = await chartsDrawn('rider', 5);
    check(riderSwept.length === 4 && riderSwept.every((n) => n > 50), `two-piston sweep charts: ${riderSwept}`);
    await page.screenshot({ path: join(shots, 'web-rider-sweep.png'), fullPage: true });

    // Parameter files: Save gives kelvane-cli's bytes for the same texts; a
    // file kelvane-cli wrote loads, and the results follow; a foreign file
    // is refused by name and changes nothing.
    await page.click('#tabs button[data-engine="gamma"]');
    const files = mkdtempSync(join(tmpdir(), 'kelvane-files-'));
    const cdpFiles = await page.createCDPSession();
    await cdpFiles.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: files });
    const downloaded = async (name) => {
        const path = join(files, name);
        for (let i = 0; i < 50 && !existsSync(path); ++i) await new Promise((r) => setTimeout(r, 100));
        return existsSync(path) ? readFileSync(path) : Buffer.alloc(0);
    };
    const gammaSets = cliSets(await linkTexts('gamma'));
    await press('gamma', 'save');
    const saved = await downloaded('Gamma.PAR');
    spawnSync(cli, ['gamma', ...gammaSets, '--save-par', join(files, 'cli.PAR')]);
    check(saved.length > 0 && saved.equals(readFileSync(join(files, 'cli.PAR'))),
          `the page's Gamma.PAR differs from kelvane-cli --save-par:\n${saved}`);
    const load = async (engine, path) => {
        const loads = Number(await page.$eval('body', (b) => b.dataset.loads || 0));
        const [chooser] = await Promise.all([page.waitForFileChooser(), press(engine, 'load')]);
        await chooser.accept([path]);
        await page.waitForSelector(`body[data-loads="${loads + 1}"]`);
    };
    spawnSync(cli, ['gamma', ...gammaSets, '--set', 'HotTemp=720', '--save-par', join(files, 'hot.PAR')]);
    await load('gamma', join(files, 'hot.PAR'));
    check(await page.$eval('#gamma-HotTemp', (b) => b.value) === '720', 'a loaded file did not set HotTemp');
    check(sameRows(await grid('gamma'), cliGrid(['gamma', '--par', join(files, 'hot.PAR')]), gammaRows),
          'after a Load the grid is not the loaded engine\'s');
    spawnSync(cli, ['rider', '--save-par', join(files, 'rider.PAR')]);
    await load('gamma', join(files, 'rider.PAR'));
    check((await page.$eval('#engine-gamma .error', (e) => e.textContent)).includes('rider.PAR') &&
              await page.$eval('#gamma-HotTemp', (b) => b.value) === '720',
          'a two-piston file was not refused by name, or changed the Gamma boxes');
    await load('gamma', join(files, 'Gamma.PAR'));
    check(await page.$eval('#gamma-HotTemp', (b) => b.value) === '650', 'the page\'s own file did not load back');

    // Save Image and Save Data of a chart: a PNG, an SVG with the curves, a CSV.
    for (const kind of ['png', 'svg']) await page.click(`#engine-gamma .chart button.${kind}`);
    const png = await downloaded('gamma-Chart1.png');
    const svg = (await downloaded('gamma-Chart1.svg')).toString();
    check(png.subarray(1, 4).toString() === 'PNG' && png.length > 2000, `the chart's PNG (${png.length} bytes)`);
    check(svg.startsWith('<svg') && (svg.match(/<polyline/g) ?? []).length >= 2, 'the chart\'s SVG has no curves');
    rmSync(files, { recursive: true, force: true });

    // Read-outs: over a chart along the crank angle, and over the loop with its arrows.
    const overs = await page.$$('#engine-gamma .chart .u-over');
    for (const [i, what] of [[0, 'crank-angle chart'], [4, 'pressure-volume loop']]) {
        const b = await overs[i].boundingBox();
        await page.mouse.move(b.x + b.width * 0.4, b.y + b.height * 0.5);
        const shown = await page.$$eval('#engine-gamma .chart', (charts, i) => {
            const r = charts[i].querySelector('.readout');
            return { text: r.hidden ? '' : r.textContent, arrows: charts[i].querySelectorAll('svg.arrows line').length };
        }, i);
        check(shown.text.split('\n').length >= 2 && (i !== 4 || shown.arrows === 2),
              `the ${what}'s read-out: ${JSON.stringify(shown)}`);
    }
    await page.mouse.move(5, 5);

    // Hold: each chart keeps a copy of its curves as the values change.
    await page.click('#gamma-HoldCB');
    await type('gamma', 'HotTemp', '800');
    await press('gamma', 'calcButton');
    const ghosts = await page.$$eval('#engine-gamma .chart', (c) => c.slice(0, 5).map((x) => Number(x.dataset.ghosts || 0)));
    check(ghosts.every((n) => n > 0), `Hold's ghosts drawn: ${ghosts}`);
    await page.screenshot({ path: join(shots, 'web-gamma-hold.png'), fullPage: true });

    // The report, printed to PDF: one page.
    await page.evaluate(() => { window.print = () => {}; });
    await press('gamma', 'print');
    const pdf = join(shots, 'web-report.pdf');
    await page.pdf({ path: pdf, format: 'A4', printBackground: true });
    const pages = spawnSync('pdfinfo', [pdf], { encoding: 'utf8' }).stdout.match(/Pages:\s+(\d+)/)?.[1];
    check(pages === '1', `the report takes ${pages} pages`);
    spawnSync('pdftoppm', ['-png', '-r', '70', '-singlefile', pdf, join(shots, 'web-report')]);

    // A lesson link opens the engine with its texts, as kelvane-cli computes
    // them; an unknown field is named and ignored; a text that is not a
    // number is marked, never run.
    const linked = await browser.newPage();
    linked.on('pageerror', (e) => failures.push(`linked page error: ${e.message}`));
    await linked.goto(`${origin}/index.html#engine=rider&HotTemp=550&PhaseOffset=100&Bogus=1`);
    await linked.waitForSelector('body[data-first-analysis-ms]');
    await linked.click('#engine-rider button[name="stop"]');
    await linked.click('#engine-rider button[name="calcButton"]');
    const linkedGrid = await linked.$$eval('#engine-rider table.grid tr',
        (rows) => rows.map((r) => [...r.cells].map((c) => c.textContent)));
    check(sameRows(linkedGrid, cliGrid(['rider', '--set', 'HotTemp=550', '--set', 'PhaseOffset=100']), [6, 7, 8]),
          `the linked grid ${JSON.stringify(linkedGrid)}`);
    check((await linked.$eval('#link-note', (n) => n.textContent)).includes('"Bogus"'), 'the unknown field is not named');
    await linked.goto(`${origin}/index.html#engine=gamma&HotTemp=${encodeURIComponent('<img src=x onerror="document.title=1">')}`);
    await linked.reload();
    await linked.waitForSelector('body[data-first-analysis-ms]');
    check(await linked.$eval('#gamma-HotTemp', (b) => b.classList.contains('marked')) &&
              await linked.$('img[src="x"]') === null && await linked.title() !== '1',
          'a link\'s text that is no number was not only marked');

    // Embedded: one engine, no tab bar.
    await linked.goto(`${origin}/index.html#engine=beta&embed=1`);
    await linked.reload();
    await linked.waitForSelector('body[data-first-analysis-ms]');
    check(await linked.$eval('#tabs', (t) => getComputedStyle(t).display === 'none') &&
              !await linked.$eval('#engine-beta', (e) => e.hidden),
          'the embedded view shows the tab bar, or not the Beta engine');
    await linked.screenshot({ path: join(shots, 'web-embedded.png') });

    // Offline: once the service worker holds the site, the page opens and
    // computes with the network off.
    await linked.waitForSelector('body[data-offline-ready]', { timeout: 30000 });
    await linked.setOfflineMode(true);
    await linked.goto(`${origin}/index.html#engine=gamma&HotTemp=650&PistonThrow=45`);
    await linked.reload();
    await linked.waitForSelector('body[data-first-analysis-ms]', { timeout: 10000 });
    const offlineGrid = await linked.$$eval('#engine-gamma table.grid tr',
        (rows) => rows.map((r) => [...r.cells].map((c) => c.textContent)));
    check(sameRows(offlineGrid, cliGrid(['gamma', '--set', 'PistonThrow=45', '--set', 'HotTemp=650']), gammaRows),
          'offline, the page did not compute the linked engine');
    await linked.setOfflineMode(false);
    await linked.close();

    // WCAG 2.1 A and AA, as axe-core checks them, on every tab.
    const engines = ['gamma', 'ringbom', 'rider', 'beta'];
    const wcag = async (p, name) => {
        if (!await p.evaluate(() => typeof axe !== 'undefined'))
            await p.addScriptTag({ path: fileURLToPath(new URL('../node_modules/axe-core/axe.min.js', import.meta.url)) });
        const violations = await p.evaluate(async () => (await axe.run(document, {
            runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'] },
        })).violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).slice(0, 3).join(', ')}`));
        check(violations.length === 0, `WCAG findings on the ${name} tab: ${violations.join('; ')}`);
    };
    for (const name of engines) {
        await page.click(`#tabs button[data-engine="${name}"]`);
        await wcag(page, name);
    }

    // The keyboard alone: Tab to the sweep's choice, pick a field, start the
    // sweep; Tab to a chart and move the crank with the arrows and Home.
    await page.click('#tabs button[data-engine="gamma"]');
    await press('gamma', 'stop');
    const tabTo = async (selector) => {
        for (let i = 0; i < 120; ++i) {
            await page.keyboard.press('Tab');
            if (await page.evaluate((sel) => document.activeElement?.matches(sel), selector)) return true;
        }
        return false;
    };
    await page.evaluate(() => document.activeElement?.blur());
    const keyboardSweeps = Number(await page.$eval('body', (b) => b.dataset.sweeps || 0));
    check(await tabTo('#engine-gamma select[name="sweep-field"]'), 'Tab never reaches the sweep choice');
    await page.keyboard.press('Home');
    await page.keyboard.press('Tab');
    await page.keyboard.press('Enter');
    await page.waitForSelector(`body[data-sweeps="${keyboardSweeps + 1}"]`, { timeout: 90000 });
    await page.evaluate(() => document.activeElement?.blur());
    check(await tabTo('#engine-gamma .chart .u-over[role="slider"]'), 'Tab never reaches a chart');
    await page.keyboard.press('Home');
    await page.keyboard.press('ArrowRight');
    await page.keyboard.press('ArrowRight');
    check(await page.$eval('#gamma-Phase', (b) => b.value) === '10', 'Home then two Rights did not put the crank at 10');
    await page.keyboard.press('PageUp');
    check(await page.$eval('#gamma-Phase', (b) => b.value) === '55', 'Page Up did not move the crank 45 degrees');

    // The charts and the picture in words, from the engine's numbers.
    const words = await page.$eval('#engine-gamma', (tab) => ({
        chart: document.getElementById(tab.querySelector('.chart .u-over').getAttribute('aria-describedby')).textContent,
        picture: tab.querySelector('canvas[role="img"]')?.ariaLabel ?? '',
    }));
    check(/^\(Normalized\) Positions, along .*Displacer: lowest 0 at \d+, highest 100 at \d+, mean /.test(words.chart) &&
              words.picture.startsWith('Engine picture. Angle: 55, Displacer: '),
          `the words for a chart and the picture: ${JSON.stringify(words)}`);

    // German from the language menu: the same numbers on every tab, the same
    // saved file and CSV, no English left on what a tab shows, and still no
    // WCAG findings. Nothing runs by itself (reduced motion), so that both
    // languages show the same state.
    const lang = await browser.newPage();
    lang.on('pageerror', (e) => failures.push(`German page error: ${e.message}`));
    await lang.setViewport({ width: 1500, height: 1300 });
    await lang.emulateMediaFeatures([{ name: 'prefers-reduced-motion', value: 'reduce' }]);
    const langFiles = mkdtempSync(join(tmpdir(), 'kelvane-lang-'));
    await (await lang.createCDPSession()).send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: langFiles });
    const fetched = async (name) => {
        const path = join(langFiles, name);
        for (let i = 0; i < 50 && !existsSync(path); ++i) await new Promise((r) => setTimeout(r, 100));
        const bytes = existsSync(path) ? readFileSync(path) : Buffer.alloc(0);
        rmSync(path, { force: true });
        return bytes.toString('latin1');
    };
    const shown = async () => {
        const out = {};
        for (const name of engines) {
            await lang.click(`#tabs button[data-engine="${name}"]`);
            await lang.waitForSelector(`#engine-${name} table.grid tr`);
            out[name] = await lang.$$eval(`#engine-${name} table.grid td, #engine-${name} input[type="text"]`,
                                          (cells) => cells.map((c) => c.value ?? c.textContent));
        }
        await lang.click('#tabs button[data-engine="gamma"]');
        await lang.click('#engine-gamma button[name="save"]');
        out.par = await fetched('Gamma.PAR');
        await lang.click('#engine-gamma .chart button.csv');
        out.csv = await fetched('gamma-Chart1.csv');
        return out;
    };
    await lang.goto(`${origin}/index.html#engine=gamma&HotTemp=650&PistonThrow=45`);
    await lang.waitForSelector('body[data-first-analysis-ms]');
    // A text typed (and calculated) on another tab than the one shown at the
    // change stays too.
    await lang.click('#tabs button[data-engine="rider"]');
    await lang.click('#rider-HotTemp', { clickCount: 3 });
    await lang.keyboard.type('500');
    await lang.click('#engine-rider button[name="calcButton"]');
    const english = await shown();
    await Promise.all([lang.waitForNavigation(), lang.select('#language', 'de')]);
    await lang.waitForSelector('body[data-first-analysis-ms]');
    const german = await shown();
    check(await lang.evaluate(() => document.documentElement.lang) === 'de', 'German did not set <html lang>');
    check(english.par.length > 0 && english.csv.startsWith('series,x,y') &&
              JSON.stringify(german) === JSON.stringify(english),
          `German changed numbers or files:\n${JSON.stringify(english)}\n${JSON.stringify(german)}`);
    // English words are those of the catalog's English texts that no German
    // text uses (so "Gamma", "Phase" or "kPa" may stay).
    const catalog = JSON.parse(readFileSync(join(siteDir, 'kelvane-texts.json'), 'utf8')).de;
    const wordsOf = (text) => text.match(/[A-Za-z\u00c0-\u024f]{2,}/g) ?? [];
    const germanWords = new Set(Object.values(catalog).flatMap((c) => Object.values(c).flatMap(wordsOf)));
    const englishWords = new Set(Object.values(catalog).flatMap((c) => Object.keys(c).flatMap(wordsOf))
        .filter((w) => !germanWords.has(w)));
    for (const name of engines) {
        await lang.click(`#tabs button[data-engine="${name}"]`);
        // Every text node shown (or read out) but those marked as another
        // language (the menu's language names), the names and tips, and the
        // axis titles, which uPlot draws.
        const texts = await lang.evaluate((name) => {
            const out = [];
            for (const root of [document.querySelector('header'), document.getElementById(`engine-${name}`)]) {
                const walk = document.createTreeWalker(root, NodeFilter.SHOW_TEXT);
                for (let n; (n = walk.nextNode());) {
                    if (!n.parentElement.closest('[hidden], [lang]:not([lang="de"])')) out.push(n.textContent);
                }
                for (const e of root.querySelectorAll('[aria-label], [title]'))
                    out.push(e.getAttribute('aria-label') ?? '', e.getAttribute('title') ?? '');
                for (const c of root.querySelectorAll('.chart')) out.push(...c.plot.axes.map((a) => a.label ?? ''));
            }
            return out;
        }, name);
        const left = [...new Set(texts.flatMap(wordsOf)
            .filter((w) => englishWords.has(w)))];
        check(left.length === 0, `English left on the German ${name} tab: ${left.join(', ')}`);
        await wcag(lang, `German ${name}`);
        await lang.screenshot({ path: join(shots, `web-de-${name}.png`), fullPage: true });
    }
    // A problem with a typed text reads in German, the text as typed.
    await lang.click('#tabs button[data-engine="gamma"]');
    for (const text of ['x', '-5']) {
        await lang.click('#gamma-PistonThrow', { clickCount: 3 });
        await lang.keyboard.type(text);
        const said = await lang.$eval('#engine-gamma .problem', (p) => p.textContent);
        const tip = await lang.$eval('#gamma-PistonThrow', (b) => b.title);
        check(said.startsWith(tip) && ![...wordsOf(said)].some((w) => englishWords.has(w)),
              `the German problem line for ${text}: ${said}`);
    }
    // The sweep's notes and the volume line read in German too.
    await lang.click('#gamma-PistonThrow', { clickCount: 3 });
    await lang.keyboard.type('45');
    const langSweeps = Number(await lang.$eval('body', (b) => b.dataset.sweeps || 0));
    await lang.select('#engine-gamma select[name="sweep-field"]', 'PhaseOffset');
    await lang.click('#engine-gamma button[name="sweep"]');
    await lang.waitForSelector(`body[data-sweeps="${langSweeps + 1}"]`, { timeout: 90000 });
    const notes = await lang.$eval('#engine-gamma', (e) => `${e.querySelector('.memo').textContent}\n${e.querySelector('.volume')?.textContent}`);
    check(notes.split('\n').length === 6 && ![...wordsOf(notes)].some((w) => englishWords.has(w)),
          `the German notes and volume line:\n${notes}`);
    rmSync(langFiles, { recursive: true, force: true });
    // The choice is remembered; with none, the browser's languages choose.
    await lang.goto(`${origin}/index.html#engine=beta`);
    await lang.reload();
    await lang.waitForSelector('body[data-first-analysis-ms]');
    const remembered = await lang.evaluate(() => document.documentElement.lang);
    await lang.close();
    const fresh = await browser.createBrowserContext();
    const french = await fresh.newPage();
    await french.evaluateOnNewDocument(() =>
        Object.defineProperty(navigator, 'languages', { get: () => ['fr-CA', 'en'] }));
    await french.goto(`${origin}/index.html`);
    await french.waitForSelector('body[data-first-analysis-ms]');
    const browserLanguage = await french.evaluate(() => document.documentElement.lang);
    await fresh.close();
    check(remembered === 'de' && browserLanguage === 'fr',
          `the page chose ${remembered} after German was chosen, ${browserLanguage} for a French browser`);

    // The help pages are in the folder too.
    for (const link of ['help-link', 'tutor-link']) {
        const href = await page.$eval(`#${link}`, (a) => a.href);
        check((await fetch(href)).ok, `${href} is missing`);
    }
} catch (e) {
    failures.push(`${e.stack || e}`);
} finally {
    if (browser) await browser.close();
    server.kill();
    rmSync(profile, { recursive: true, force: true });
}
for (const f of failures) console.log(`FAILED: ${f}`);
console.log(failures.length ? `${failures.length} browser checks failed` : 'browser checks passed');
process.exit(failures.length ? 1 : 0);
