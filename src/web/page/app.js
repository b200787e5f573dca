// Wetterpult's live page: the current values as tiles (live through Server-Sent Events), a wind
// rose, the charts of the archive, the records and the daily values. German numbers with the
// decimal comma throughout.
"use strict";

const FRISCH_S = 120;

// A number with `stellen` decimals and the decimal comma, or "–" when missing.
function zahl(v, stellen) {
  if (v === null || v === undefined || Number.isNaN(v)) return "–";
  return Number(v).toFixed(stellen).replace(".", ",").replace(/^-(0,?0*)$/, "$1");
}
function mitEinheit(v, stellen, einheit) {
  return v === null || v === undefined ? "–" : zahl(v, stellen) + " " + einheit;
}
function zweistellig(n) { return String(n).padStart(2, "0"); }
function datum(d) { return zweistellig(d.getDate()) + "." + zweistellig(d.getMonth() + 1) + "." + d.getFullYear(); }
function uhrzeit(d) { return zweistellig(d.getHours()) + ":" + zweistellig(d.getMinutes()); }
function richtungText(grad) {
  if (grad === null || grad === undefined) return "";
  const namen = ["N", "NNO", "NO", "ONO", "O", "OSO", "SO", "SSO", "S", "SSW", "SW", "WSW", "W", "WNW", "NW", "NNW"];
  return namen[Math.round(grad / 22.5) % 16] + " (" + grad + "°)";
}

// The tiles in the main window's groups: caption, main value, line beneath.
const KACHELN = [
  ["temp-aussen", "Temperatur aussen", w => mitEinheit(w.temperature, 1, "°C"), () => ""],
  ["temp-innen", "Temperatur innen", w => mitEinheit(w.indoor_temperature, 1, "°C"), () => ""],
  ["feuchte-aussen", "Luftfeuchtigkeit aussen", w => mitEinheit(w.humidity, 0, "%"), () => ""],
  ["feuchte-innen", "Luftfeuchtigkeit innen", w => mitEinheit(w.indoor_humidity, 0, "%"), () => ""],
  ["taupunkt-aussen", "Taupunkt aussen", w => mitEinheit(w.dewpoint, 0, "°C"), () => ""],
  ["taupunkt-innen", "Taupunkt innen", w => mitEinheit(w.indoor_dewpoint, 0, "°C"), () => ""],
  ["barometer", "Barometer", w => mitEinheit(w.pressure, 1, "mb"),
   w => "Station " + mitEinheit(w.station_pressure, 0, "mb")],
  ["regen", "Regen", w => mitEinheit(w.rain_today, 0, "mm"),
   w => "heute · 24 h " + mitEinheit(w.rain_24h, 0, "mm") + " · Rate " + mitEinheit(w.rain_rate, 0, "mm/h")],
  ["winde", "Winde", w => mitEinheit(w.wind_speed, 1, "m/s"),
   w => "Böe " + mitEinheit(w.wind_gust, 1, "m/s") + " " + richtungText(w.wind_gust_direction)],
  ["windchill", "Windchill", w => mitEinheit(w.windchill, 0, "°C"), () => ""],
];

const zustand = { werte: null, empfangen: 0, verbunden: false, stunden: 24, diagramme: [] };

function kachelnAnlegen() {
  const ort = document.getElementById("werte");
  for (const [id, titel] of KACHELN) {
    const k = document.createElement("article");
    k.className = "kachel";
    k.id = id;
    k.setAttribute("aria-label", titel);
    k.innerHTML = "<h3></h3><div class=\"wert\">–</div><div class=\"neben\"></div>";
    k.querySelector("h3").textContent = titel;
    ort.appendChild(k);
  }
}

function werteZeigen(w) {
  zustand.werte = w;
  zustand.empfangen = Date.now();
  for (const [id, , haupt, neben] of KACHELN) {
    const k = document.getElementById(id);
    k.querySelector(".wert").textContent = haupt(w);
    k.querySelector(".neben").textContent = neben(w);
  }
  roseZeigen(w);
  frischeZeigen();
}

function frischeZeigen() {
  const el = document.getElementById("frische");
  const w = zustand.werte;
  let alter = null;
  if (w && w.age_s !== null) alter = w.age_s + Math.floor((Date.now() - zustand.empfangen) / 1000);
  const frisch = w && w.fresh && alter !== null && alter <= FRISCH_S;
  el.textContent = frisch ? "vor " + alter + " s" : "Keine aktuellen Daten";
  el.classList.toggle("alt", !frisch);
  document.getElementById("werte").classList.toggle("veraltet", !frisch);
}

// The rose: a ring with the four points, the mean wind as an arrow, the gust as a dot.
function roseAnlegen() {
  const svg = document.getElementById("rose");
  const ns = "http://www.w3.org/2000/svg";
  const neu = (name, attr) => {
    const e = document.createElementNS(ns, name);
    for (const k in attr) e.setAttribute(k, attr[k]);
    svg.appendChild(e);
    return e;
  };
  neu("circle", { r: 90, fill: "none", stroke: "#9aa7b4", "stroke-width": 2 });
  for (let g = 0; g < 360; g += 30) {
    const a = g * Math.PI / 180;
    neu("line", { x1: 82 * Math.sin(a), y1: -82 * Math.cos(a), x2: 90 * Math.sin(a), y2: -90 * Math.cos(a), stroke: "#9aa7b4" });
  }
  for (const [t, x, y] of [["N", 0, -96], ["O", 100, 4], ["S", 0, 106], ["W", -100, 4]]) {
    const e = neu("text", { x: x, y: y, "text-anchor": "middle", "font-size": 14, fill: "#5d6b7a" });
    e.textContent = t;
  }
  neu("path", { id: "rose-pfeil", d: "M0,-78 L10,-50 L3,-52 L3,40 L-3,40 L-3,-52 L-10,-50 Z", fill: "#2a6cb0", visibility: "hidden" });
  neu("circle", { id: "rose-boe", r: 6, cy: -86, fill: "#c0212b", visibility: "hidden" });
  const t = neu("text", { id: "rose-text", y: 70, "text-anchor": "middle", "font-size": 13, fill: "#1c2530" });
  t.textContent = "";
}

function roseZeigen(w) {
  const pfeil = document.getElementById("rose-pfeil");
  const boe = document.getElementById("rose-boe");
  // The arrow points where the wind comes from.
  pfeil.setAttribute("visibility", w.wind_direction === null ? "hidden" : "visible");
  pfeil.setAttribute("transform", "rotate(" + (w.wind_direction || 0) + ")");
  boe.setAttribute("visibility", w.wind_gust_direction === null ? "hidden" : "visible");
  boe.setAttribute("transform", "rotate(" + (w.wind_gust_direction || 0) + ")");
  document.getElementById("rose-text").textContent = richtungText(w.wind_direction);
  document.getElementById("rose").setAttribute("aria-label", "Windrose: Wind aus " + (richtungText(w.wind_direction) || "unbekannt"));
}

function liveVerbinden() {
  const quelle = new EventSource("api/events");
  quelle.onmessage = e => {
    const erstes = !zustand.verbunden;
    zustand.verbunden = true;
    werteZeigen(JSON.parse(e.data));
    // After the program was away (restarted), the archive's views are fetched anew.
    if (erstes && zustand.diagramme.length) verlaufLaden();
  };
  // EventSource connects anew by itself; until then the values age in red.
  quelle.onerror = () => { zustand.verbunden = false; };
}

async function holen(pfad) {
  const antwort = await fetch(pfad, { cache: "no-store" });
  if (!antwort.ok) throw new Error(pfad + ": " + antwort.status);
  return antwort.json();
}

function isoLokal(d) {
  return d.getFullYear() + "-" + zweistellig(d.getMonth() + 1) + "-" + zweistellig(d.getDate()) +
    "T" + zweistellig(d.getHours()) + ":" + zweistellig(d.getMinutes()) + ":00";
}
function isoTag(d) {
  return d.getFullYear() + "-" + zweistellig(d.getMonth() + 1) + "-" + zweistellig(d.getDate());
}

// The charts as the "Verlauf" window draws them.
const DIAGRAMME = [
  { titel: "Temperatur °C", stellen: 1, linien: [["temperature", "außen", "#c82828"], ["indoor_temperature", "innen", "#e68c1e"],
    ["dewpoint", "Taupunkt außen", "#285ac8"], ["indoor_dewpoint", "Taupunkt innen", "#5aaadc"]] },
  { titel: "Luftfeuchtigkeit %", stellen: 0, linien: [["humidity", "außen", "#1e783c"], ["indoor_humidity", "innen", "#78be5a"]] },
  { titel: "Luftdruck mb", stellen: 1, linien: [["pressure", "Meereshöhe", "#6e3ca0"]] },
  { titel: "Wind m/s", stellen: 1, linien: [["wind_speed", "Mittel", "#286eaa"], ["minute_gust", "Böen", "#d25a28"]] },
  { titel: "Regen mm", stellen: 0, regen: true },
];

// Crosshair: for each line the point nearest to the pointer's time.
function kreuzModus(chart, e) {
  const items = [];
  const x = chart.scales.x.getValueForPixel(e.x);
  chart.data.datasets.forEach((ds, di) => {
    const pts = ds.data;
    if (!pts.length || !chart.isDatasetVisible(di)) return;
    let lo = 0, hi = pts.length - 1;
    while (lo < hi) { const m = (lo + hi) >> 1; if (pts[m].x < x) lo = m + 1; else hi = m; }
    if (lo > 0 && Math.abs(pts[lo - 1].x - x) < Math.abs(pts[lo].x - x)) lo -= 1;
    items.push({ element: chart.getDatasetMeta(di).data[lo], datasetIndex: di, index: lo });
  });
  return items;
}

const kreuzLinie = {
  id: "kreuzLinie",
  afterDraw(chart) {
    const aktiv = chart.tooltip && chart.tooltip.getActiveElements();
    if (!aktiv || !aktiv.length) return;
    const x = aktiv[0].element.x, ctx = chart.ctx, y = chart.scales.y;
    ctx.save();
    ctx.strokeStyle = "#0007";
    ctx.beginPath(); ctx.moveTo(x, y.top); ctx.lineTo(x, y.bottom); ctx.stroke();
    ctx.restore();
  },
};

function zeitText(ms, stunden) {
  const d = new Date(ms);
  return stunden <= 24 ? uhrzeit(d) : stunden <= 720 ? datum(d).slice(0, 6) + " " + uhrzeit(d) : datum(d);
}

function diagrammeAnlegen() {
  if (typeof Chart === "undefined") {
    document.getElementById("kein-diagramm").hidden = false;
    return;
  }
  Chart.Interaction.modes.kreuz = kreuzModus;
  const ort = document.getElementById("diagramme");
  for (const d of DIAGRAMME) {
    const box = document.createElement("div");
    box.className = "diagramm";
    const canvas = document.createElement("canvas");
    canvas.setAttribute("role", "img");
    canvas.setAttribute("aria-label", d.titel);
    box.appendChild(canvas);
    ort.appendChild(box);
    const datasets = d.regen
      ? [{ type: "bar", label: "Regen", data: [], backgroundColor: "#3270c8" }]
      : d.linien.map(([, name, farbe]) => ({ label: name, data: [], borderColor: farbe, backgroundColor: farbe,
          borderWidth: 1.5, pointRadius: 0, spanGaps: false }));
    const chart = new Chart(canvas, {
      type: d.regen ? "bar" : "line",
      data: { datasets },
      plugins: [kreuzLinie],
      options: {
        locale: "de-DE", animation: false, maintainAspectRatio: false, parsing: false, normalized: true,
        interaction: { mode: "kreuz", intersect: false },
        plugins: {
          title: { display: true, text: d.titel, align: "start" },
          legend: { display: datasets.length > 1, labels: { boxWidth: 12 } },
          tooltip: { callbacks: {
            title: items => items.length ? datum(new Date(items[0].raw.x)) + " " + uhrzeit(new Date(items[0].raw.x)) : "",
            label: item => item.dataset.label + ": " + zahl(item.raw.y, d.stellen),
          } },
        },
        scales: {
          x: { type: "linear", ticks: { maxRotation: 0, autoSkipPadding: 12, callback: v => zeitText(v, zustand.stunden) } },
          y: { ticks: { callback: v => zahl(v, Number.isInteger(v) ? 0 : 1) } },
        },
      },
    });
    zustand.diagramme.push({ d, chart });
  }
}

// A gap longer than a tenth of the range breaks a line, as in the "Verlauf" window.
function mitLuecken(punkte, luecke) {
  const aus = [];
  let vorher = null;
  for (const [x, y] of punkte) {
    if (vorher !== null && x - vorher > luecke) aus.push({ x: (x + vorher) / 2, y: null });
    aus.push({ x, y });
    vorher = x;
  }
  return aus;
}

async function verlaufLaden() {
  const bis = new Date();
  const von = new Date(bis.getTime() - zustand.stunden * 3600 * 1000);
  const tageVon = new Date(bis.getTime() - Math.min(Math.max(zustand.stunden, 168), 8760) * 3600 * 1000);
  try {
    const [serie, tage, rekorde] = await Promise.all([
      zustand.diagramme.length ? holen("api/series?from=" + isoLokal(von) + "&to=" + isoLokal(bis) + "&points=800") : null,
      holen("api/days?from=" + isoTag(tageVon) + "&to=" + isoTag(bis)),
      holen("api/records"),
    ]);
    if (serie) diagrammeFuellen(serie, von.getTime(), bis.getTime());
    tageZeigen(tage.days);
    rekordeZeigen(rekorde);
  } catch (fehler) {
    console.warn(fehler);
  }
}

function diagrammeFuellen(serie, von, bis) {
  const luecke = Math.max((bis - von) / 10, 10 * 60 * 1000);
  for (const { d, chart } of zustand.diagramme) {
    if (d.regen) {
      chart.data.datasets[0].data = serie.rain.values.map(([x, y]) => ({ x: x + serie.rain.bucket_s * 500, y }));
      chart.data.datasets[0].label = serie.rain.bucket_s === 3600 ? "Regen je Stunde" : "Regen je Tag";
    } else {
      d.linien.forEach(([key], i) => { chart.data.datasets[i].data = mitLuecken(serie.series[key] || [], luecke); });
    }
    chart.options.scales.x.min = von;
    chart.options.scales.x.max = bis;
    chart.update("none");
  }
}

function zeile(tabelle, zellen, kopf) {
  const tr = document.createElement("tr");
  for (const z of zellen) {
    const c = document.createElement(kopf ? "th" : "td");
    c.textContent = z;
    tr.appendChild(c);
  }
  tabelle.appendChild(tr);
}

function zeitpunkt(iso) {
  const d = new Date(iso);
  return datum(d) + " " + uhrzeit(d);
}
function mitZeit(v, stellen, einheit) {
  return v ? mitEinheit(v.value, stellen, einheit) + " (" + zeitpunkt(v.time) + ")" : "–";
}

function rekordeZeigen(r) {
  const t = document.getElementById("rekorde");
  t.replaceChildren();
  const spalten = ["today", "month", "year", "ever"];
  zeile(t, ["", "Heute", "Dieser Monat", "Dieses Jahr", "Immer"], true);
  zeile(t, ["Höchste Temperatur", ...spalten.map(s => mitZeit(r[s].temp_high, 1, "°C"))]);
  zeile(t, ["Tiefste Temperatur", ...spalten.map(s => mitZeit(r[s].temp_low, 1, "°C"))]);
  zeile(t, ["Stärkste Böe", ...spalten.map(s => {
    const g = r[s].gust;
    return g ? mitEinheit(g.value, 1, "m/s") + (g.direction !== null ? " aus " + g.direction + "°" : "") + " (" + zeitpunkt(g.time) + ")" : "–";
  })]);
  zeile(t, ["Nassester Tag", ...spalten.map(s => {
    const n = r[s].wettest_day;
    return n ? mitEinheit(n.rain, 0, "mm") + " (" + datum(new Date(n.day + "T12:00:00")) + ")" : "–";
  })]);
}

function tageZeigen(tage) {
  const t = document.getElementById("tage");
  t.replaceChildren();
  zeile(t, ["Datum", "Höchst °C", "Tiefst °C", "Mittel °C", "Feuchte %", "Luftdruck mb", "Wind m/s", "Böe m/s", "Regen mm"], true);
  for (const d of tage.slice().reverse()) {
    zeile(t, [datum(new Date(d.day + "T12:00:00")), zahl(d.temp_high && d.temp_high.value, 1),
      zahl(d.temp_low && d.temp_low.value, 1), zahl(d.temp_mean, 1), zahl(d.humidity_mean, 0),
      zahl(d.pressure_mean, 1), zahl(d.wind_mean, 1), zahl(d.gust && d.gust.value, 1), zahl(d.rain, 0)]);
  }
}

function zeitraumWaehlen() {
  for (const b of document.querySelectorAll(".zeitraum button")) {
    b.addEventListener("click", () => {
      for (const o of document.querySelectorAll(".zeitraum button")) o.setAttribute("aria-selected", String(o === b));
      zustand.stunden = Number(b.dataset.stunden);
      verlaufLaden();
    });
  }
}

kachelnAnlegen();
roseAnlegen();
diagrammeAnlegen();
zeitraumWaehlen();
holen("api/current").then(werteZeigen).catch(() => {});
liveVerbinden();
verlaufLaden();
setInterval(frischeZeigen, 1000);
// The charts follow the new minutes.
setInterval(verlaufLaden, 5 * 60 * 1000);
