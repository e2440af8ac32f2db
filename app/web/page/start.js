// Start: the module is made, the elements built from its first records.

createTarvelModule({
  onAbort: (what) => fail(what),
  printErr: (text) => console.warn(text),
}).then((instance) => {
  Module = instance;
  try {
    model = new Module.WebModel(window.devicePixelRatio || 1);
    records = JSON.parse(model.records());
    build();
    sync();
    fitToWindow();
    elements.get(records.tabOrder[0]).focus();
    performance.mark('tarvel-first-picture');
    // For tests and the benchmark: after calling the model directly
    // (say, model.tick() with the timer stopped), sync mirrors it.
    window.tarvelDemo = { model, records: () => records, sync: () => act(() => {}) };
    document.body.dataset.ready = 'true';
  } catch (error) {
    fail(error);
  }
}, fail);
window.addEventListener('error', (event) => fail(event.error || event.message));
